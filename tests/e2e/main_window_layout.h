// The main window's controls that have a window of their own, where the
// window is designed at 96 dpi; shared by the tests at every display scale.
#pragma once

namespace e2e {

struct Expected {
  const wchar_t* parentText;  // nullptr: the window itself
  int left, top, width, height;
  const wchar_t* text;
  bool sizedToText;  // labels size themselves to their text
};

// Every control that has a window of its own, as the window is designed.
inline const Expected kControls[] = {
    {nullptr, 11, 8, 479, 179, L"Impression de règles graduées", false},
    {nullptr, 8, 202, 482, 79, L"Recherche d'échelle", false},
    {nullptr, 8, 287, 482, 194, L"Informations", false},
    {L"Impression de règles graduées", 16, 20, 386, 84, L"Echelles disponibles", false},
    {L"Impression de règles graduées", 282, 111, 183, 52, L"Imprimer le morvi", false},
    {L"Impression de règles graduées", 68, 119, 68, 35, nullptr, false},
    {L"Impression de règles graduées", 408, 26, 57, 79, L"Aide", false},
    {L"Impression de règles graduées", 140, 110, 136, 42, L"Orientation", false},
    {L"Impression de règles graduées", 16, 132, 0, 0, L"Etalonner", true},
    {L"Recherche d'échelle", 288, 19, 50, 21, nullptr, false},
    {L"Recherche d'échelle", 289, 46, 49, 21, nullptr, false},
    {L"Recherche d'échelle", 362, 14, 106, 57, L"Obtenir l'échelle", false},
    {L"Recherche d'échelle", 341, 22, 0, 0, L"m", true},
    {L"Recherche d'échelle", 341, 50, 0, 0, L"cm", true},
    {L"Recherche d'échelle", 3, 20, 283, 20, L"Saisissez une cote (en mètre) figurant sur le plan ", false},
    {L"Recherche d'échelle", 9, 46, 283, 20, L"Saisissez la même cote mesurée sur le plan (en cm)", false},
    {L"Informations", 10, 20, 128, 122, nullptr, false},
    {L"Informations", 10, 148, 0, 0, L"contact@plandrel.fr", true},
    {L"Informations", 13, 167, 0, 0, L"https://www.plandrel.fr", true},
    {L"Informations", 250, 111, 147, 48, L"En savoir plus...", false},
    {L"Informations", 184, 18, 284, 87, L"\r\n    \r\n\r\n               Découvrez nos autres logiciels", false},
};

}  // namespace e2e
