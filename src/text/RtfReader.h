#pragma once
// The program's reader of rich text (RTF) as word processors write it: the
// instructions document is RTF, and Qt reads none.
//
// What it keeps: paragraphs with their alignment, indents, spacing and tab
// stops; line breaks and tabs; bold, italic, underline, strike-out,
// superscript and subscript; font names and sizes; text and background
// colours from the colour table; hyperlinks of HYPERLINK fields; characters
// given as \uN (with their fallbacks skipped) and as \'hh in the document's
// code page (Windows-1252 unless it says otherwise, or the font's character
// set says otherwise). Destinations it does not show (font, colour and style
// tables, document information, pictures, headers, footers, footnotes and
// every {\*...} it does not know) are skipped with all their groups. Table
// cells become tabs and table rows paragraphs.
//
// It reads any bytes without crashing and in time linear in their length:
// nesting beyond a fixed depth is flattened, numbers are clamped, \bin
// lengths are bounded by the input, and input after the document's closing
// brace is ignored.

#include <QByteArray>

class QTextDocument;

// True when the bytes start (after any blanks) with "{\rtf".
bool isRtf(const QByteArray& bytes);

// Replaces the document's contents with the rich text. False, leaving the
// document empty, when the bytes are not RTF.
bool readRtf(const QByteArray& rtf, QTextDocument& document);
