#!/usr/bin/env bash
# The compiled help, taken apart again: its title, contents and index must read as the UTF-8
# sources say when decoded in code page 936 (GBK), as HTML Help decodes them for a Chinese
# (0x804) help file; and every page must say which code page it is in.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
chm="${1:-$root/build/windows/help.chm}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
extract_chmLib "$chm" "$work/chm" > /dev/null

python3 - "$root/help" "$work/chm" <<'PY'
import pathlib, re, sys
source, compiled = map(pathlib.Path, sys.argv[1:3])
failures = []

def gbk(name):
    try:
        return (compiled / name).read_bytes().decode("gbk")
    except UnicodeDecodeError as e:
        failures.append(f"{name} is not GBK: {e}")
    except OSError:
        failures.append(f"{name} is not in the help")
    return ""

def expect(what, got, wanted):
    if got != wanted:
        failures.append(f"{what}: got {got[:80]!r}..., wanted {wanted[:80]!r}...")

for name in ("toc.hhc", "index.hhk"):
    wanted = (source / name).read_text(encoding="utf-8").replace("charset=utf-8", "charset=gb2312")
    expect(name, gbk(name), wanted)

title = re.search(r"^Title=(.*)$", (source / "Tessary.hhp").read_text(encoding="utf-8"), re.M)[1]
if title.encode("gbk") not in (compiled / "#SYSTEM").read_bytes():
    failures.append(f"#SYSTEM does not hold the title {title!r} in GBK")

for page in sorted(source.glob("*.html")):
    text = gbk(page.name)
    if text and "charset=gb2312" not in text:
        failures.append(f"{page.name} does not declare its code page")
    # Entities stand for characters GBK lacks; put them back before comparing.
    text = re.sub(r"&#(\d+);", lambda m: chr(int(m[1])), text)
    wanted = page.read_text(encoding="utf-8").replace("charset=utf-8", "charset=gb2312")
    expect(page.name, text, wanted)

for f in failures:
    print("help-code-page:", f)
sys.exit(1 if failures else 0)
PY
echo "help-code-page: the title, the contents, the index and $(ls "$root"/help/*.html | wc -l) pages read as GBK"
