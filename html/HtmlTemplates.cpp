// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/HtmlTemplates.h"

namespace {

#define WRAP(w)                                                                                                        \
    {                                                                                                                  \
        w, "<" w ">{sel}</" w ">", nullptr                                                                             \
    }
#define ATTRIBUTE(w)                                                                                                   \
    {                                                                                                                  \
        w, w "=\"{sel}\"", nullptr                                                                                     \
    }
#define EMPTY_TAG(w)                                                                                                   \
    {                                                                                                                  \
        w, "<" w " />", nullptr                                                                                        \
    }
// A list around an empty item, or an item around the selection.
#define LIST(w)                                                                                                        \
    {                                                                                                                  \
        w, "<li>\r\n{sel}\r\n</li>", "<" w ">\r\n<li>\r\n</li>\r\n</" w ">"                                            \
    }
#define FONT_ATTRIBUTE(w)                                                                                              \
    {                                                                                                                  \
        w, "<font " w "=\"\">{sel}</font>", nullptr                                                                    \
    }
// A paragraph around the selection, or only the attribute to put in a tag.
#define ALIGN(item, w)                                                                                                 \
    {                                                                                                                  \
        item, "<p align=\"" w "\">{sel}</p>", "align=\"" w "\""                                                        \
    }
#define META(w)                                                                                                        \
    {                                                                                                                  \
        w, "<meta name=\"" w "\" content=\"{sel}\" />", nullptr                                                        \
    }

constexpr const char* kTable =
    "<table summary=\"\">\r\n<tr>\r\n<th></th>\r\n</tr>\r\n<tr>\r\n<td></td>\r\n</tr>\r\n</table>{sel}";

const std::vector<HtmlTemplateRow> kRows = {
    // First strip.
    WRAP("b"),
    WRAP("i"),
    WRAP("u"),
    ATTRIBUTE("border"),
    EMPTY_TAG("br"),
    WRAP("pre"),
    // Second strip.
    ATTRIBUTE("height"),
    ATTRIBUTE("width"),
    EMPTY_TAG("hr"),
    {"comment", "<!--\r\n{sel}\r\n-->", nullptr},
    {"ToolButton1", "<a href=\"{sel}\">{sel}</a>", nullptr},
    {"image", "<img src=\"{sel}\" alt=\"\" />", nullptr},
    // Third strip.
    {"body", "<html>\r\n<head>\r\n<title></title>\r\n</head>\r\n<body>\r\n{sel}\r\n</body>\r\n</html>", nullptr},
    LIST("ol"),
    LIST("ul"),
    {"JavaScript",
     "<script language=\"JavaScript\" type=\"text/javascript\">\r\n<!--\r\n{sel}\r\n//-->\r\n</script>\r\n"
     "<noscript>\r\n\r\n</noscript>",
     nullptr},
    {"css", "<style type=\"text/css\">\r\n<!--\r\n{sel}\r\n//-->\r\n</style>", nullptr},
    {"name", "<a name=\"{sel}\" />", nullptr},
    // Faces of the drop-down buttons.
    {"h", "<h1>{sel}</h1>", nullptr},
    {"frames", "<frame>{sel}</frame>", nullptr},
    {"tables", kTable, nullptr},
    {"font", "<font >{sel}</font>", nullptr},
    ALIGN("Paragraph", "left"),
    {"metas", "<meta name=\"\" content=\"{sel}\" />", nullptr},
    // Their menus.
    WRAP("h1"),
    WRAP("h2"),
    WRAP("h3"),
    WRAP("h4"),
    WRAP("h5"),
    WRAP("h6"),
    WRAP("frameset"),
    WRAP("frame"),
    {"Table1", kTable, nullptr},
    WRAP("tr"),
    WRAP("td"),
    FONT_ATTRIBUTE("size"),
    FONT_ATTRIBUTE("face"),
    FONT_ATTRIBUTE("color"),
    ALIGN("aleft", "left"),
    ALIGN("acenter", "center"),
    ALIGN("aright", "right"),
    ALIGN("ajustify", "justify"),
    META("author"),
    META("keywords"),
    META("description"),
    {"contentlanguage", "<meta http-equiv=\"content-language\" content=\"{sel}\" />", nullptr},
};

}   // namespace

const std::vector<HtmlTemplateRow>& HtmlTemplateTable()
{
    return kRows;
}

std::optional<QString> HtmlInsertion(const QString& control, const QString& sel)
{
    for (const HtmlTemplateRow& row : kRows) {
        if (control != QLatin1String(row.control))
            continue;
        const char* pattern = sel.isEmpty() && row.withoutSelection ? row.withoutSelection : row.withSelection;
        // replace() does not look into what it put in, so a selection
        // holding the placeholder stays as it is.
        return QString::fromUtf8(pattern).replace(kSelPlaceholder, sel);
    }
    return std::nullopt;
}
