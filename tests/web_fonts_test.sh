#!/usr/bin/env bash
# The fonts the browser page inlines: the character list, the subsets, their
# names, their licences and their metrics, checked against what the lessons
# really draw in a walk through both programs.
set -uo pipefail
build=${1:?build directory}
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0 passes=0
check() {
  if [ "$2" -eq 0 ]; then echo "ok   $1"; passes=$((passes + 1)); else echo "FAIL $1"; failures=$((failures + 1)); fi
}

"$root/tools/web-fonts" "$work/fonts" > "$work/fonts.log" 2>&1
check "tools/web-fonts builds the subsets" $?
"$root/tools/web-fonts" --local "$work/local" > "$work/local.log" 2>&1
check "tools/web-fonts --local writes rules for the installed fonts" $?

for program in mebuki1 mebuki2; do
  "$build/$program" --walk --time 09:15:30 --trace "$work/$program.jsonl" > /dev/null 2>&1
  check "$program --walk writes a trace" $?
done

# The list finds a new text wherever it is written: a literal, a comment, the
# browser runtime's pages, and escapes in string literals.
mkdir -p "$work/tree/tools" "$work/tree/unit1" "$work/tree/platform/web" "$work/tree/charts"
cp "$root/tools/web-chars" "$work/tree/tools/"
printf 'const char* a = "雪";  // 霧\nconst char* b = "\\xE2\\x98\\x83\\x7f";\n' > "$work/tree/unit1/new.cpp"
printf 'const char32_t c = U'"'"'\\u2602'"'"'; const char* d = u8"\\U0001F34E";\n' > "$work/tree/charts/new.h"
printf '<p>虹</p><script>const e = "\\u{2744}";</script>\n' > "$work/tree/platform/web/end.html"
printf 'const f = "霰";\n' > "$work/tree/platform/web/runtime.js"
printf '雹\n' > "$work/tree/unit1/notes.txt"
"$work/tree/tools/web-chars" > "$work/tree/chars.txt"
check "tools/web-chars runs on a tree of sources" $?

/usr/bin/python3 - "$work" "$root" <<'EOF'
import base64, json, pathlib, re, sys
from fontTools.ttLib import TTFont

work, root = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
fonts = work / "fonts"
failures = 0
def check(name, ok, detail=""):
    global failures
    print(("ok   " if ok else "FAIL ") + name + ("" if ok or not detail else f": {detail}"))
    failures += not ok

# The fixture tree: what a new text brings, and nothing that is not drawn.
listed = set((work / "tree" / "chars.txt").read_text(encoding="utf-8").replace("\n", ""))
wanted = set("雪霧☃☂🍎虹❄霰")
check("the list takes new characters from literals, comments, escapes and the browser's pages",
      wanted <= listed, "".join(sorted(wanted - listed)))
check("the list leaves out control characters and files other than sources",
      "\x7f" not in listed and "雹" not in listed)
check("the list holds all printable ASCII", set(map(chr, range(0x20, 0x7F))) <= listed)

chars = set((fonts / "chars.txt").read_text(encoding="utf-8").replace("\n", ""))

# Every @font-face of fonts.css, with the font its data: URL holds.
css = (fonts / "fonts.css").read_text(encoding="utf-8")
faces = {}
for rule in re.findall(r"@font-face \{(.*?)\}", css, re.S):
    family = re.search(r'font-family: "([^"]+)"', rule).group(1)
    style = re.search(r"font-style: (\w+)", rule).group(1)
    weight = int(re.search(r"font-weight: (\d+)", rule).group(1))
    data = base64.b64decode(re.search(r"base64,([A-Za-z0-9+/=]+)", rule).group(1))
    faces[(family, style, weight)] = (data, "font-display: block" in rule)
expected = {("Mebuki Gothic", "normal", 400), ("Mebuki Gothic", "normal", 700),
            ("Mebuki Serif", "italic", 400), ("Mebuki Serif", "italic", 700)}
check("fonts.css has the gothic face in two weights and the serif italic in two",
      set(faces) == expected, sorted(faces))
check("every face blocks drawing until it has loaded", all(block for _, block in faces.values()))
check("every inlined font is WOFF2", all(data[:4] == b"wOF2" for data, _ in faces.values()))
sizes = {f"{k[0]} {k[1]} {k[2]}": len(d) for k, (d, _) in faces.items()}
check("the gothic subsets stay under 80 KB and the serif ones under 16 KB",
      all(n < (80000 if "Gothic" in k else 16000) for k, n in sizes.items()), sizes)

import io
fontsOf = {k: TTFont(io.BytesIO(d)) for k, (d, _) in faces.items()}
cmaps = {k: f.getBestCmap() for k, f in fontsOf.items()}

# (a) every listed character has a glyph in both gothic weights, but for those
# the original face itself lacks (the replacement character, which the window
# draws as the face's empty box).
originals = {400: "/usr/share/fonts/truetype/bizud-gothic/BIZUDGothic-Regular.ttf",
             700: "/usr/share/fonts/truetype/bizud-gothic/BIZUDGothic-Bold.ttf"}
for weight, path in originals.items():
    original = TTFont(path, lazy=True).getBestCmap()
    missing = {c for c in chars if ord(c) not in cmaps[("Mebuki Gothic", "normal", weight)]}
    check(f"gothic {weight} has every listed character the original has",
          not {c for c in missing if ord(c) in original}, "".join(sorted(missing)))
    check(f"gothic {weight} lacks nothing but the replacement character", missing <= {"\ufffd"},
          "".join(sorted(missing)))
for weight in (400, 700):
    cmap = cmaps[("Mebuki Serif", "italic", weight)]
    check(f"serif italic {weight} has all printable ASCII", all(c in cmap for c in range(0x20, 0x7F)))

# What the lessons really draw, in the walk of both programs: every character
# is listed, and the face, weight and slant it is drawn in exist with its glyph.
drawn, unlisted, unmatched = 0, set(), set()
for program in ("mebuki1", "mebuki2"):
    for line in (work / f"{program}.jsonl").read_text(encoding="utf-8").splitlines():
        op = json.loads(line)
        if op.get("op") != "symbol":
            continue
        family = "Mebuki Serif" if op["face"] == "Times New Roman" else "Mebuki Gothic"
        key = (family, "italic" if op["italic"] else "normal", 700 if op["bold"] else 400)
        for c in op["text"]:
            if c in " \u3000":
                continue
            drawn += 1
            c = "ℓ" if op["face"] == "MT Extra" and c == "l" else c
            if c not in chars:
                unlisted.add(c)
            if key not in cmaps or ord(c) not in cmaps[key]:
                unmatched.add((key, c))
check(f"the walks draw characters ({drawn})", drawn > 1000)
check("every character the walks draw is listed", not unlisted, "".join(sorted(unlisted)))
check("every character the walks draw has its face, weight, slant and glyph in the page",
      not unmatched, sorted(unmatched)[:10])

# (b) no name that presents a subset keeps a reserved or original name.
reserved = re.compile(r"Liberation|Tinos|Arimo|Cousine|BIZ ?UD", re.I)
for key, font in fontsOf.items():
    names = font["name"]
    presenting = [r for r in names.names if r.nameID in (1, 3, 4, 6, 16, 17, 18, 20, 21, 22)]
    bad = [str(r) for r in presenting if reserved.search(str(r))]
    check(f"{key[0]} {key[1]} {key[2]} is named by its own name only", not bad and presenting, bad)
    check(f"{key[0]} {key[1]} {key[2]} has the family name {key[0]}",
          names.getDebugName(1) == key[0] and names.getDebugName(6).startswith(key[0].replace(" ", "") + "-"))
    check(f"{key[0]} {key[1]} {key[2]} keeps its copyright notice", bool(names.getDebugName(0)))

# (c) both licences in full, with their copyright lines and the note.
licences = " ".join((fonts / "licences.html").read_text(encoding="utf-8").split())  # lines rejoined
check("licences.html holds the licence twice, each to its disclaimer",
      licences.count("SIL OPEN FONT LICENSE Version 1.1") == 2 and licences.count("DISCLAIMER") == 2
      and licences.count("OTHER DEALINGS IN THE FONT SOFTWARE") == 2)
check("licences.html holds both copyright notices and Liberation's reserved name",
      "The BIZ UDGothic Project Authors" in licences and "Red Hat, Inc." in licences
      and "Reserved Font Name Liberation" in licences)
check("licences.html says the fonts are modified subsets, renamed",
      "modified" in licences and "Mebuki Gothic" in licences and "Mebuki Serif" in licences)
check("licences.html is a fragment the page can hold", licences.lstrip().startswith("<details")
      and "<html" not in licences and "substituting ?" not in licences)

# The metrics the window's glyph cells are built on, read from the subsets.
metrics = json.loads((fonts / "metrics.json").read_text())
g, s = metrics.get("Mebuki Gothic", {}), metrics.get("Mebuki Serif", {})
check("metrics.json: gothic 2048 units, ascent 0.880 em, descent 0.120 em",
      g.get("unitsPerEm") == 2048 and abs(g["ascent"] / 2048 - 0.88) < 0.001 and abs(g["descent"] / 2048 - 0.12) < 0.001, g)
check("metrics.json: serif ascent 0.891 em, descent 0.216 em",
      abs(s["ascent"] / s["unitsPerEm"] - 0.891) < 0.001 and abs(s["descent"] / s["unitsPerEm"] - 0.216) < 0.001, s)

# --local: the installed originals by name, nothing inlined.
local = (work / "local" / "fonts.css").read_text(encoding="utf-8")
check("--local names the installed fonts and inlines none",
      'local("BIZ UDGothic")' in local and 'local("BIZ UDGothic Bold")' in local
      and 'local("Liberation Serif Italic")' in local and 'local("Liberation Serif Bold Italic")' in local
      and "data:" not in local and local.count("@font-face") == 4)

print(f"python checks: {failures} failed")
sys.exit(1 if failures else 0)
EOF
check "font checks" $?

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
