#pragma once

#include <QString>

// Writes a bank of `questions` questions per subject table at `path` (which must not exist):
// `categories` categories of equal size, one question in five multi-choice.
void makeBenchBank(const QString &path, int questions, int categories);
