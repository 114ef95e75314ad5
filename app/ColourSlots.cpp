// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ColourSlots.h"

namespace {

bool AllHex(QStringView text)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (!((u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F')))
            return false;
    }
    return true;
}

// A hexadecimal number of any length that fits 32 bits.
std::optional<quint32> HexNumber(QStringView text)
{
    if (text.isEmpty() || !AllHex(text))
        return std::nullopt;
    while (text.size() > 1 && text.front() == u'0')
        text = text.sliced(1);
    if (text.size() > 8)
        return std::nullopt;
    return text.toUInt(nullptr, 16);
}

}   // namespace

ColourSlots ColourSlotsFromSetting(const QString& text)
{
    return ColourSlots{text.mid(4, 2), text.mid(2, 2), text.mid(0, 2)};
}

std::optional<quint32> ColourNumber(const ColourSlots& parts)
{
    return HexNumber(QString(QStringLiteral("00") + parts.blue + parts.green + parts.red));
}

QColor SwatchColour(const ColourSlots& parts)
{
    const auto number = ColourNumber(parts);
    const QColor colour = number ? ColourFromNumber(*number) : QColor();
    return colour.isValid() ? colour : QColor(Qt::white);
}

QColor ColourFromNumber(quint32 bgr)
{
    if (bgr > 0x00FFFFFFu)
        return QColor();
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

quint32 NumberFromColour(const QColor& colour)
{
    if (!colour.isValid())
        return 0xFFFFFFFFu;
    const QColor rgb = colour.toRgb();
    return quint32(rgb.blue()) << 16 | quint32(rgb.green()) << 8 | quint32(rgb.red());
}

QString ColourSettingText(const QColor& colour)
{
    return QStringLiteral("%1").arg(NumberFromColour(colour), 6, 16, QChar(u'0')).toUpper();
}

QString HtmlColourText(const QColor& pixel)
{
    const QString bgr = ColourSettingText(pixel);
    return bgr.mid(4, 2) + bgr.mid(2, 2) + bgr.mid(0, 2);
}

QString CustomColourName(int index)
{
    return QStringLiteral("Color") + QChar(u'A' + index);
}

QString CustomColourLine(int index, const QColor& colour)
{
    return CustomColourName(index) + u'=' + ColourSettingText(colour);
}

QColor CustomColourFromLine(int index, const QString& line)
{
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0 || QStringView(line).first(equals).compare(CustomColourName(index), Qt::CaseInsensitive) != 0)
        return QColor();
    const auto number = HexNumber(QStringView(line).sliced(equals + 1));
    return number ? ColourFromNumber(*number) : QColor();
}

QColor ColourFromColorSetting(qint32 value, const QPalette& palette)
{
    const quint32 number = quint32(value);
    if (!(number & 0x80000000u))
        return ColourFromNumber(number & 0x00FFFFFFu);
    // Windows system colour indexes (COLOR_SCROLLBAR = 0 ... COLOR_MENUBAR = 30)
    // mapped to the nearest palette role.
    static const QPalette::ColorRole roles[] = {
        QPalette::Button,
        QPalette::Window,
        QPalette::Highlight,
        QPalette::Mid,
        QPalette::Window,
        QPalette::Base,
        QPalette::Shadow,
        QPalette::WindowText,
        QPalette::Text,
        QPalette::HighlightedText,
        QPalette::Button,
        QPalette::Button,
        QPalette::Dark,
        QPalette::Highlight,
        QPalette::HighlightedText,
        QPalette::Button,
        QPalette::Dark,
        QPalette::PlaceholderText,
        QPalette::ButtonText,
        QPalette::WindowText,
        QPalette::Light,
        QPalette::Shadow,
        QPalette::Midlight,
        QPalette::ToolTipText,
        QPalette::ToolTipBase,
        QPalette::Text,
        QPalette::Link,
        QPalette::Highlight,
        QPalette::Mid,
        QPalette::Highlight,
        QPalette::Window,
    };
    const quint32 index = number & 0xFF;
    const QPalette::ColorRole role = index < std::size(roles) ? roles[index] : QPalette::Text;
    return palette.color(QPalette::Active, role);
}

qint32 ColorSettingFor(const QColor& colour, qint32 loadedFrom, const QPalette& palette)
{
    if (ColourFromColorSetting(loadedFrom, palette) == colour)
        return loadedFrom;
    return qint32(NumberFromColour(colour) & 0x00FFFFFFu);
}

CustomColours CustomColoursFromLines(const CustomColourLines& lines)
{
    CustomColours colours;
    for (int i = 0; i < 16; ++i)
        colours[size_t(i)] = CustomColourFromLine(i, lines[size_t(i)]);
    return colours;
}

CustomColourLines LinesFromCustomColours(const CustomColours& colours)
{
    CustomColourLines lines;
    for (int i = 0; i < 16; ++i)
        lines[size_t(i)] = CustomColourLine(i, colours[size_t(i)]);
    return lines;
}
