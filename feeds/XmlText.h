#pragma once
// An XML document's bytes as checked text, handed to XmlLite in one form: UTF-8.
//
// Decoding here, not in XmlLite, gives every system the same encodings and the same answer to
// bad bytes: Wine's XmlLite knows only UTF-8 and UTF-16 (a declared Shift_JIS fails) and turns
// invalid UTF-8 into U+FFFD without a word; given UTF-16 past its first buffer it reads the same
// bytes again and again. The text is also checked for what XmlLite
// implementations handle differently: Wine's loops forever on a NUL character, an unclosed
// comment or CDATA section, an "&" or text at the end, and stops the process on an unclosed "<?".
// A document that fails these checks is not well-formed XML on any system.
#include <string>

struct XmlText {
    bool ok = false;
    std::wstring text;    // the document, its declaration (if any) naming UTF-8, as XmlLite is handed it
    std::wstring reason;  // why not ok
};

// The encoding is the byte-order mark's; without one the Content-Type's charset, else the XML
// declaration's, else UTF-8. Known: UTF-8, UTF-16 (with a mark, or told by "<" as its first
// character), Shift_JIS and its aliases (code page 932), EUC-JP, ISO-8859-1, windows-1252,
// US-ASCII. Bytes that are invalid in the encoding fail.
XmlText xmlTextFromBytes(const std::string& bytes, const std::string& contentType);
