#!/usr/bin/env python3
"""Measures a printed ruler page, or the calibration sheet: reads a PDF the
way a person with a ruler would, from the rendered sheet, and reports what is
on it.

    tools/measure_ruler.py page.pdf [--across MM]

(--across: how far right of the paper's left edge the printer's printable
area begins, which moves all of the sheet right) prints, one item a line:

    orientation portrait|landscape    (as the sheet is seen, rotation applied)
    rotation 0|90|180|270             (the page rotation stored in the PDF)
    paper 215.90 279.40               (the paper's width and height in mm, unrotated)
    title Echelle 1:100               (the first line of text that is no label)
    text Imprimante : PDF             (each further such line, top to bottom,
    span 95.000 130.512                followed by where it begins and ends
                                       across, in mm, as the letters are placed)
    mark 8.467                        (a tick: y of its centre in mm from the top)
    mark 9.313 labelled 0m            (a labelled mark and its label)
    bar 250.012                       (calibration sheet only: its first mark
                                       to its last, in mm)
    checkbar 100.012 97.0 103.0       (the ruler page's check bar: its length
                                       between its end marks, and how far across
                                       those run, in mm)
    checkmark 99.000                  (each cross mark on the bar, from its top)
    ink 4.233 4.106 205.9 258.7       (the box of all ink: left, top, right,
                                       bottom, in mm from the sheet's corner)

On a sheet of strips cut apart along dashed lines (the kutsch sheet), each
strip's marks follow a line

    strip 3.133                       (x of its cut line in mm from the left)

and are read from its cut line: ticks at 1.5 mm, labelled marks at 4.5 mm,
labels starting at 7 mm level with their mark; its check bar is the long
line right of the last strip's labels.

The sheet is rendered at 600 dpi in grey (pdftoppm applies the page
rotation): the printer draws one-pixel lines at 300 dpi, and where they fall
on a boundary of the rendered rows, as on Letter paper, a 300 dpi rendering
puts them half a pixel either way. A column at 60 mm is scanned for the
ticks and one at 72.5 mm for the longer labelled marks; each dark run's
centroid is a mark. Texts come from pdftotext: a word from 75 mm to 88 mm,
level with a labelled mark, is part of its label; the title column starts at
90 mm.
The check bar is the long line down the column at 100 mm: one at 98 mm
crosses its end marks, one at 100.75 mm every cross mark.
"""
import re
import subprocess
import sys
import tempfile
from pathlib import Path

DPI = 600
MM_PER_INCH = 25.4
TICK_COLUMN_MM = (59.5, 60.5)     # ticks run from 50 to 70 mm
LABELLED_COLUMN_MM = (72.0, 73.0)  # only labelled marks reach 75 mm
LABEL_FROM_MM, LABEL_TO_MM = 75.0, 88.0
LABEL_NEAR_MM = 2.5   # a label's middle lies this close to its mark, above it
SAME_TEXT_LINE_MM = 1.0
CHECK_BAR_COLUMN_MM = (99.5, 100.5)
CHECK_END_COLUMN_MM = (97.75, 98.25)
CHECK_MARK_COLUMN_MM = (100.5, 101.0)
CALIBRATION_TITLE = "Morvi : feuille d'étalonnage"
STRIP_TICK_MM = (1.25, 1.75)      # from a cut line: ticks run to 3 mm
STRIP_LABELLED_MM = (4.25, 4.75)  # only labelled marks reach 6 mm
STRIP_LABEL_MM = (6.5, 7.5)       # where a label starts
STRIP_LABEL_NEAR_MM = 1.0         # a label stands level with its mark
CUT_SAMPLES_MM = (20, 250, 0.5)   # rows looked at for lines down the sheet
DASHES_AT_LEAST = 20              # a dashed line starts and ends that often among them
CUT_SHARE = 0.58                  # and inks two thirds of them; a column of labels half at most
INK = 240  # grey levels below this count as ink
SAME_LINE_PX = 2


def px(mm):
    return mm * DPI / MM_PER_INCH


def mm(pixels):
    return pixels * MM_PER_INCH / DPI


def read_pgm(path):
    data = path.read_bytes()
    fields = re.match(rb"P5\s+(\d+)\s+(\d+)\s+(\d+)\s", data)
    width, height = int(fields.group(1)), int(fields.group(2))
    return width, height, data[fields.end():]


def render(pdf, workdir):
    prefix = Path(workdir) / "sheet"
    subprocess.run(["pdftoppm", "-r", str(DPI), "-gray", "-singlefile", str(pdf), str(prefix)], check=True)
    return read_pgm(prefix.with_suffix(".pgm"))


def ink_centroids(image, columns_mm):
    """Centres (in pixels from the top edge) of the dark runs down a band of columns."""
    width, height, pixels = image
    first, last = int(px(columns_mm[0])), int(px(columns_mm[1]))
    count = last - first + 1
    centres, run = [], []
    for row in range(height + 1):
        ink = 0.0
        if row < height:
            line = pixels[row * width + first: row * width + last + 1]
            ink = sum(255 - v for v in line) / count
        if ink > 255 - INK:
            run.append((row + 0.5, ink))  # the centre of pixel row r is r + 0.5
        elif run:
            total = sum(w for _, w in run)
            centres.append(sum(y * w for y, w in run) / total)
            run = []
    return centres


def ink_box(image):
    """(left, top, right, bottom) of every dark pixel, in pixel edges."""
    width, height, pixels = image
    dark = bytes(1 if v < INK else 0 for v in range(256))
    left, top, right, bottom = width, None, 0, None
    for row in range(height):
        line = pixels[row * width:(row + 1) * width].translate(dark)
        first = line.find(1)
        if first < 0:
            continue
        top = row if top is None else top
        bottom = row + 1
        left, right = min(left, first), max(right, line.rfind(1) + 1)
    return None if top is None else (left, top, right, bottom)


def run_across(image, row, column):
    """(first, last + 1) of the dark run through (row, column), in pixels."""
    width, _, pixels = image
    first = last = column
    while first > 0 and pixels[row * width + first - 1] < INK:
        first -= 1
    while last + 1 < width and pixels[row * width + last + 1] < INK:
        last += 1
    return first, last + 1


def longest_run_down(image, columns_mm):
    """(top, bottom) in pixels of the longest dark run down any one column of a band."""
    width, height, pixels = image
    best = (0, 0)
    for column in range(int(px(columns_mm[0])), int(px(columns_mm[1])) + 1):
        top = None
        for row in range(height + 1):
            if row < height and pixels[row * width + column] < INK:
                top = row if top is None else top
            elif top is not None:
                best = max(best, (top, row), key=lambda run: run[1] - run[0])
                top = None
    return best


def lines_down(image):
    """(x in mm, dashed, share of the rows it inks) of each line down the
    sheet that inks at least a third of the sampled rows, left to right."""
    width, height, pixels = image
    first, last, step = (int(px(v)) for v in CUT_SAMPLES_MM)
    rows = range(first, min(last, height), step)
    dark = bytes(1 if v < INK else 0 for v in range(256))
    hits, changes, before = [0] * width, [0] * width, set()
    for row in rows:
        now = set()
        for run in re.finditer(b"\x01+", pixels[row * width:(row + 1) * width].translate(dark)):
            now.update(range(run.start(), run.end()))
        for x in now:
            hits[x] += 1
        for x in now ^ before:
            changes[x] += 1
        before = now
    found, group = [], []
    for x in range(width + 1):
        if x < width and hits[x] >= len(rows) / 3:
            group.append(x)
        elif group:
            # A solid line starts and ends once; a dash every few millimetres.
            found.append((mm(sum(group) / len(group) + 0.5), max(changes[x] for x in group) > DASHES_AT_LEAST,
                          max(hits[x] for x in group) / len(rows)))
            group = []
    return found


def check_bar(image, column_mm=sum(CHECK_BAR_COLUMN_MM) / 2):
    """The report lines of the check bar down the column at `column_mm`, none
    when the page has none."""
    # The bar is the long line down its column; its end marks are the marks
    # across it nearest its ends (the title also reaches this far across).
    shift = column_mm - sum(CHECK_BAR_COLUMN_MM) / 2
    at = lambda band: (band[0] + shift, band[1] + shift)
    top, bottom = longest_run_down(image, at(CHECK_BAR_COLUMN_MM))
    crossing = ink_centroids(image, at(CHECK_END_COLUMN_MM))
    if bottom - top < px(50) or not crossing:
        return []
    ends = [min(crossing, key=lambda y: abs(y - edge)) for edge in (top, bottom)]
    left, right = run_across(image, int(ends[0]), int(px(sum(at(CHECK_END_COLUMN_MM)) / 2)))
    lines = [f"checkbar {mm(ends[1] - ends[0]):.3f} {mm(left):.2f} {mm(right):.2f}"]
    marks = [y for y in ink_centroids(image, at(CHECK_MARK_COLUMN_MM)) if ends[0] - 2 <= y <= ends[1] + px(2)]
    return lines + [f"checkmark {mm(y - ends[0]):.3f}" for y in marks]


def words(pdf):
    """(x, right, top, bottom, text) of each word, in points, as the sheet is seen."""
    html = subprocess.run(["pdftotext", "-bbox", str(pdf), "-"], check=True, capture_output=True,
                          text=True).stdout
    pattern = r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>'
    unescape = {"&amp;": "&", "&lt;": "<", "&gt;": ">", "&quot;": '"', "&apos;": "'"}
    found = []
    for x, top, right, bottom, text in re.findall(pattern, html):
        for entity, char in unescape.items():
            text = text.replace(entity, char)
        found.append((float(x), float(right), float(top), float(bottom), text))
    return found


def page_info(pdf):
    """(rotation, width mm, height mm) as the PDF stores its page."""
    info = subprocess.run(["pdfinfo", str(pdf)], check=True, capture_output=True, text=True).stdout
    found = re.search(r"^Page rot:\s+(\d+)", info, re.M)
    size = re.search(r"^Page size:\s+([\d.]+) x ([\d.]+) pts", info, re.M)
    points_to_mm = MM_PER_INCH / 72
    return (int(found.group(1)) if found else 0, float(size.group(1)) * points_to_mm,
            float(size.group(2)) * points_to_mm)


def measure(pdf, across=0.0):
    with tempfile.TemporaryDirectory() as workdir:
        image = render(pdf, workdir)
    width, height, _ = image
    # Where each ruler's marks and labels are read: the page's one ruler, or
    # a strip from each dashed cut line (a solid line down is a check bar).
    down = lines_down(image)
    cuts = [x for x, dashed, share in down if dashed and share >= CUT_SHARE]
    if cuts:
        rulers = [(x, (x + STRIP_TICK_MM[0], x + STRIP_TICK_MM[1]),
                   (x + STRIP_LABELLED_MM[0], x + STRIP_LABELLED_MM[1]),
                   (x + STRIP_LABEL_MM[0], x + STRIP_LABEL_MM[1]), STRIP_LABEL_NEAR_MM) for x in cuts]
    else:
        moved = lambda columns: tuple(x + across for x in columns)
        rulers = [(None, moved(TICK_COLUMN_MM), moved(LABELLED_COLUMN_MM), moved((LABEL_FROM_MM, LABEL_TO_MM)),
                   LABEL_NEAR_MM)]
    marks = [(ink_centroids(image, ticks), ink_centroids(image, labelled)) for _, ticks, labelled, _, _ in rulers]

    points_to_mm = MM_PER_INCH / 72
    labels, others = [{} for _ in rulers], []
    for x, right, top, bottom, text in sorted(words(pdf), key=lambda w: (w[2], w[0])):
        # A label sits level with or just above its mark: it belongs to the nearest one.
        middle = px((top + bottom) / 2 * points_to_mm)
        for (*_, (start, end), near), (_, labelled), found in zip(rulers, marks, labels):
            mark = min(labelled, key=lambda y: abs(y - middle), default=None)
            if start <= x * points_to_mm < end and mark is not None and abs(mark - middle) <= px(near):
                found[mark] = found.get(mark, "") + text
                break
        else:
            others.append((top * points_to_mm, x, right, text))
    text_lines = []  # words level with each other, left to right
    for top, x, right, text in others:
        if text_lines and abs(text_lines[-1][0] - top) <= SAME_TEXT_LINE_MM:
            text_lines[-1][1].append((x, right, text))
        else:
            text_lines.append((top, [(x, right, text)]))
    texts = [" ".join(t for _, _, t in sorted(line)) for _, line in text_lines] or [""]
    spans = [(min(w[0] for w in line) * points_to_mm, max(w[1] for w in line) * points_to_mm)
             for _, line in text_lines]
    if cuts and len(text_lines) > 1:
        # The lines under the titles run across the strips, below their marks.
        foot = px(text_lines[1][0])
        marks = [([y for y in ticks if y < foot], [y for y in labelled if y < foot]) for ticks, labelled in marks]

    turn, paper_width, paper_height = page_info(pdf)
    lines = [f"orientation {'landscape' if width > height else 'portrait'}", f"rotation {turn}",
             f"paper {paper_width:.2f} {paper_height:.2f}", f"title {texts[0]}"]
    for t, (left, right) in zip(texts[1:], spans[1:]):
        lines += [f"text {t}", f"span {left:.3f} {right:.3f}"]
    for (cut, *_), (ticks, labelled), ruler_labels in zip(rulers, marks, labels):
        if cut is not None:
            lines.append(f"strip {cut:.3f}")
        # Every mark crosses the tick column; the labelled ones also the other.
        for y in ticks:
            mark = next((m for m in labelled if abs(m - y) <= SAME_LINE_PX), None)
            if mark is None:
                lines.append(f"mark {mm(y):.3f}")
            else:
                lines.append(f"mark {mm(y):.3f} labelled {ruler_labels.get(mark, '')}".rstrip())
    ticks = marks[0][0]
    if texts[0] == CALIBRATION_TITLE and ticks:
        lines.append(f"bar {mm(ticks[-1] - ticks[0]):.3f}")
    if texts[0] != CALIBRATION_TITLE:
        bars = [x for x, dashed, _ in down if cuts and not dashed and x > cuts[-1]]
        lines += check_bar(image, *(bars[-1:] or [sum(CHECK_BAR_COLUMN_MM) / 2 + across]))
    box = ink_box(image)
    if box:
        lines.append("ink " + " ".join(f"{mm(edge):.3f}" for edge in box))
    return lines


def main(argv):
    if len(argv) not in (2, 4) or (len(argv) == 4 and argv[2] != "--across"):
        sys.exit("usage: measure_ruler.py page.pdf [--across MM]")
    print("\n".join(measure(Path(argv[1]), float(argv[3]) if len(argv) == 4 else 0.0)))


if __name__ == "__main__":
    main(sys.argv)
