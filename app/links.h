// The maker's addresses, shown by the information group and opened by the
// shell.
#pragma once

namespace links {

inline constexpr wchar_t kContactMail[] = L"contact@plandrel.fr";
inline constexpr wchar_t kWebSite[] = L"https://www.plandrel.fr";
inline constexpr wchar_t kHelpPage[] = L"https://www.plandrel.fr/redir/zo.php";

}  // namespace links
