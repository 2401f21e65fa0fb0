#pragma once

#include <QString>

namespace tools {

// The keyword as the search and notes dialogs take it: the text of the edit box without the
// leading and trailing characters of codes 0 to 32 (spaces and control characters). Other white
// space, such as the full-width space U+3000, stays.
QString trimKeyword(const QString &text);

// The length of a text in bytes of the GBK code page (code page 936): 1 for an ASCII character,
// 2 for a Chinese character or full-width sign. A character that GBK cannot write (an emoji, a
// rare Han character of the supplementary planes) counts 2, as wide as a Chinese character: the
// user typed one character, and the rule is about characters of Chinese text.
int gbkByteLength(const QString &text);

// The keyword rule: at least 4 bytes in GBK, that is two Chinese characters, four ASCII
// characters or a mix that makes 4 bytes. Takes the keyword already trimmed.
bool keywordLongEnough(const QString &keyword);

// A note as the question bank stores it: lines separated by CR LF, nothing added at the end.
QString noteForStore(const QString &editorText);
// Stored text (a note, a question, an explanation) for a memo, whose lines end in LF.
QString textForEditor(const QString &stored);

} // namespace tools
