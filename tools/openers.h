#pragma once

#include "store/database.h"

// The main window's dialog commands. Each makes its dialog afresh without an owner, holds it in
// its program-wide variable (Fkszn, Fcz, Fsc, Fbj, Fabout) while it runs modally, and destroys
// it when it closes, emptying the variable. A failure while the dialog is made or shown ends the
// command: the dialog is destroyed, the variable emptied, and the general error report shows
// the failure. The functions return when the dialog has closed; they throw nothing.
void openGuideDialog(store::Database &connection);      // module 102: "考试指南"
void openSearchDialog(store::Database &connection);     // module 104: "练习题目查找"
void openFavouritesDialog(store::Database &connection); // module 105: "试题收藏"
void openNotesDialog(store::Database &connection);      // module 106: "笔记整理"
void openAboutDialog();                                 // menu button -5: "关于软件"
