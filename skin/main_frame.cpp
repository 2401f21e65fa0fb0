#include "skin/main_frame.h"

#include "skin/skin_form.h"

namespace skin {

const std::vector<ModuleButton> &mainModuleButtons()
{
    static const std::vector<ModuleButton> buttons{
        {100, QStringLiteral("首 页"), QStringLiteral("Module_Home_png")},
        {101, QStringLiteral("考试题库"), QStringLiteral("Module_protec_png")},
        {102, QStringLiteral("考试指南"), QStringLiteral("Module_search_png")},
        {103, QStringLiteral("模拟考试"), QStringLiteral("Module_tools_png")},
        {104, QStringLiteral("题目查找"), QStringLiteral("Module_clock_png")},
        {105, QStringLiteral("收 藏"), QStringLiteral("Module_history_png")},
        {106, QStringLiteral("笔  记"), QStringLiteral("Module_biji_png")},
    };
    return buttons;
}

void setUpMainFrame(TSkinForm &form)
{
    const QString type = QStringLiteral("Skin");
    form.SetBackgroundImage(QStringLiteral("BkImage1_jpg"), type, 255, 150, 60, 60);
    for (const ModuleButton &b : mainModuleButtons())
        form.AddModuleButton(b.id, b.caption, b.picture, type);
    form.SelectModuleButton(kStartModule);
}

} // namespace skin
