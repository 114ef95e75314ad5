#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates the RTF fixtures of the reader tests with LibreOffice, an
# independent RTF writer and reader: it makes the source documents below,
# has LibreOffice convert each to NAME.rtf, and has it export NAME.rtf as
# the plain text NAME.txt that our reader must give. With a build folder
# as argument it then runs the tests that compare against LibreOffice,
# including our writer's output read back by LibreOffice.
#
#   tests/editor/rtf_fixtures/regenerate.sh [build-folder]
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
command -v soffice >/dev/null || { echo "soffice is needed (libreoffice-writer-nogui)" >&2; exit 1; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
lo() { soffice -env:UserInstallation="file://$work/profile" --headless "$@" >/dev/null; }

cat > "$work/formats.html" <<'DOC'
<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>t</title></head><body>
<p>Plain, <b>bold</b>, <i>italic</i>, <u>underlined</u>, <b><i><u>all three</u></i></b>.</p>
<p><font face="Courier New">Courier</font> and <font face="Times New Roman" size="5">large Times</font>, <span style="font-size:8pt">small</span>.</p>
<p><font color="#ff0000">red</font> <font color="#008000">green</font> <font color="#0000ff">blue</font>, <s>struck</s>, x<sup>2</sup> H<sub>2</sub>O</p>
<p align="center">Centered</p>
<p align="right">Right</p>
<p align="justify">Justified text that is long enough to wrap over more than one line when the page is narrow, so that justification shows.</p>
<p style="margin-left:1in; text-indent:-0.5in; margin-right:0.5in">Indented paragraph with a hanging first line.</p>
<p>Line one<br>line two after a break</p>
<p>Braces {} and backslash \ and semicolon ;</p>
</body></html>
DOC
cat > "$work/lists.html" <<'DOC'
<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>t</title></head><body>
<ul><li>first bullet</li><li>second bullet</li></ul>
<ol><li>one</li><li>two</li></ol>
<table border="1"><tr><td>a1</td><td>b1</td></tr><tr><td>a2</td><td>b2</td></tr></table>
<p>Link: <a href="https://example.org/">example site</a> end.</p>
</body></html>
DOC
cat > "$work/scripts.html" <<'DOC'
<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>t</title></head><body>
<p>Accents: déjà vu, naïve, Ærøskøbing, São Paulo, Łódź, İstanbul, Việt Nam.</p>
<p>Typography: “quotes” ‘single’ — em – en … • € ™ © ° ½</p>
<p>Greek: Ελληνικά. Russian: Русский язык. Hebrew: עברית. Arabic: العربية.</p>
<p>Chinese: 中文字符. Japanese: 日本語のテキスト. Korean: 한국어.</p>
<p>Beyond the BMP: 😀 𝄞 𐍈.</p>
<p>Spaces: a&nbsp;b, soft&shy;hyphen.</p>
</body></html>
DOC
cat > "$work/layout.fodt" <<'DOC'
<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0" xmlns:dc="http://purl.org/dc/elements/1.1/" office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.text">
 <office:automatic-styles>
  <style:style style:name="P1" style:family="paragraph">
   <style:paragraph-properties fo:margin-left="0.5in" fo:text-indent="0.25in">
    <style:tab-stops>
     <style:tab-stop style:position="1in"/>
     <style:tab-stop style:position="3in" style:type="right"/>
     <style:tab-stop style:position="4in" style:type="center"/>
     <style:tab-stop style:position="5in" style:type="char" style:char="."/>
    </style:tab-stops>
   </style:paragraph-properties>
  </style:style>
  <style:style style:name="T1" style:family="text"><style:text-properties text:display="none"/></style:style>
  <style:page-layout style:name="pm1"/>
 </office:automatic-styles>
 <office:master-styles>
  <style:master-page style:name="Standard" style:page-layout-name="pm1">
   <style:header><text:p>Header text</text:p></style:header>
   <style:footer><text:p>Footer text</text:p></style:footer>
  </style:master-page>
 </office:master-styles>
 <office:body><office:text>
  <text:p text:style-name="P1">Col<text:tab/>one<text:tab/>right<text:tab/>center<text:tab/>3.14</text:p>
  <text:p>Footnote here<text:note text:id="n1" text:note-class="footnote"><text:note-citation>1</text:note-citation><text:note-body><text:p>The note text.</text:p></text:note-body></text:note> and on.</text:p>
  <text:p>A <text:bookmark text:name="mark"/>bookmark and a comment<office:annotation><dc:creator>Someone</dc:creator><text:p>Comment text</text:p></office:annotation> here.</text:p>
  <text:p>Visible<text:span text:style-name="T1"> hidden</text:span> only.</text:p>
  <text:p>Soft<text:line-break/>break and<text:s text:c="3"/>spaces.</text:p>
  <text:p/>
  <text:p>After an empty paragraph.</text:p>
 </office:text></office:body>
</office:document>
DOC

for source in "$work"/*.html "$work"/*.fodt; do
    case "$source" in
    *.html) lo --infilter="HTML (StarWriter)" --convert-to rtf --outdir "$work/rtf" "$source" ;;
    *) lo --convert-to rtf --outdir "$work/rtf" "$source" ;;
    esac
done
for rtf in "$work"/rtf/*.rtf; do
    lo --convert-to "txt:Text (encoded):UTF8,LF" --outdir "$work/txt" "$rtf"
    name="$(basename "$rtf" .rtf)"
    cp "$rtf" "$here/$name.rtf"
    cp "$work/txt/$name.txt" "$here/$name.txt"
done
echo "fixtures written to $here"

if [ $# -ge 1 ]; then
    "$1/tests/test_editor" --gtest_filter='RtfFixtures.*:RtfOracle.*'
fi
