// The binders in both modes: an edit reaches its field at once, or only on Apply; a value
// the widget cannot show survives either way.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "configurator/widgets/binders.h"
#include "ui_fixture.h"

namespace {

using settings::SettingId;

TEST(Binders, EditsReachTheirFieldsOnEditOrOnApply) {
  uitest::App();
  for (const cfg::CommitMode mode : {cfg::CommitMode::kOnEdit, cfg::CommitMode::kOnApply}) {
    QWidget page;
    Settings s;
    s.templateDir = "Gone";  // no entry of the list
    cfg::Binders binders(s, "/base", &page, mode);
    auto* romDir = new QLineEdit(&page);
    auto* volume = new QLineEdit(&page);
    auto* sons = new QCheckBox(&page);
    auto* templates = new QComboBox(&page);
    templates->addItems({"Etoiles", "Nuit"});
    auto* radios = new QButtonGroup(&page);
    binders.Text(romDir, SettingId::RomsExt);
    binders.Number(volume, SettingId::MusicVolume);
    binders.Check(sons, SettingId::Sons);
    binders.Choice(templates, SettingId::TemplateDir);
    binders.Radio(radios, &page, SettingId::ScrType, {{1, "Aucun", "0"}, {2, "Lance ROM", "1"}});
    binders.ShowAll();
    page.show();
    EXPECT_EQ(romDir->maxLength(), 49);  // RomsExt's text size
    EXPECT_EQ(volume->text(), "300");
    EXPECT_TRUE(sons->isChecked());
    EXPECT_EQ(templates->currentIndex(), -1);

    QTest::keyClicks(romDir, "zip");
    volume->clear();
    QTest::keyClicks(volume, "12x");
    QTest::mouseClick(sons, Qt::LeftButton);
    QTest::mouseClick(radios->button(1), Qt::LeftButton);
    const bool onEdit = mode == cfg::CommitMode::kOnEdit;
    EXPECT_EQ(s.romsExt, onEdit ? "zip" : "");
    EXPECT_EQ(s.scrType, onEdit ? '1' : '0');
    binders.Apply();
    EXPECT_EQ(s.romsExt, "zip");
    EXPECT_EQ(s.musicVolume, 12);
    EXPECT_FALSE(s.sons);
    EXPECT_EQ(s.scrType, '1');
    EXPECT_EQ(s.templateDir, "Gone") << "a value missing from the list stays";
  }
}

}  // namespace
