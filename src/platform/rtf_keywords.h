// The RTF control words the reader acts on, looked up by name.
#pragma once

#include <string_view>

namespace textaria::platform::detail {

enum class RtfKeyword {
    Unknown,
    // document and code pages
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodePage,
    DefaultFont,
    UnicodeSkip,
    Unicode,
    Upr,
    Ud,
    // destinations
    FontTable,
    ColorTable,
    SkipDestination,
    Field,
    FieldInstruction,
    FieldResult,
    // font table entries and colours
    Font,
    FontCharset,
    FontCodePage,
    Red,
    Green,
    Blue,
    // character formatting
    Plain,
    FontSize,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Colour,
    Hidden,
    // paragraphs and breaks
    Pard,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    Par,
    Line,
    Page,
    Section,
    Cell,
    InTable,
    Row,
    Bin,
    // special characters (emitted as text)
    Tab,
    EmDash,
    EnDash,
    EmSpace,
    EnSpace,
    QmSpace,
    Bullet,
    LeftQuote,
    RightQuote,
    LeftDoubleQuote,
    RightDoubleQuote,
    ZeroWidthJoiner,
    ZeroWidthNonJoiner,
    LtrMark,
    RtlMark,
};

RtfKeyword lookupRtfKeyword(std::string_view word);

}  // namespace textaria::platform::detail
