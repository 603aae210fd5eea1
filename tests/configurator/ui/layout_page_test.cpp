// The layout editor page in the real window: fields to model and back, the checks on
// leaving a field, and the save questions of a template change, an import, a page change
// and quitting (a failed save or a cancelled dialog keeps the edits).
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QToolButton>

#include "configurator/layouteditor/ui/layout_page.h"
#include "configurator/layouteditor/ui/order_dialog.h"
#include "configurator/layouteditor/ui/preview_window.h"
#include "configurator/layouteditor/object_numbering.h"
#include "render/font_table.h"
#include "render/render_state.h"
#include "ui_fixture.h"

#include <QListWidget>

namespace {

using platform::Answer;

class LayoutPageTest : public uitest::Installation {
 protected:
  void SetUp() override {
    Installation::SetUp();
    dir.Write("Templates/Etoiles/Layout.cfg", "RESOLUTIONX=320\r\nRESOLUTIONY=240\r\nSnap_visible=YES\r\n"
                                              "Snap_left=10\r\nSnap_top=20\r\nSnap_width=100\r\nSnap_height=80\r\n");
    Open();
    page()->SetDesktopSource([] { return cfg::DesktopSize{1920, 1080}; });
    ASSERT_TRUE(window->SelectPage(cfg::kLayoutPage));
  }
  cfg::LayoutPage* page() const { return static_cast<cfg::LayoutPage*>(window->page(cfg::kLayoutPage)); }
  cfg::EditorSession& editor() const { return page()->editor(); }
  int Row(const char* name) const { return Control<QComboBox>(1020)->findText(QString::fromUtf8(name)); }
  // Loads Etoiles, selects the Snap and gives it another alpha (typed and applied).
  void EditSnap() {
    ASSERT_TRUE(page()->ChooseTemplate(Row("Etoiles")));
    page()->SelectObject(cfg::kEdSnap);
    Type(1008, "100");
    page()->ApplyFields();
    ASSERT_TRUE(page()->IsModified());
  }
};

TEST_F(LayoutPageTest, FieldsShowAndCommitTheSelectedObject) {
  ASSERT_TRUE(page()->ChooseTemplate(Row("Etoiles")));
  EXPECT_EQ(Control<QLineEdit>(1023)->text(), "320");
  page()->SelectObject(cfg::kEdSnap);
  EXPECT_EQ(Control<QLineEdit>(1004)->text(), "10");
  EXPECT_EQ(Control<QLineEdit>(1007)->text(), "80");
  EXPECT_FALSE(Control<QWidget>(1025)->isVisibleTo(page()));  // no font for a picture
  EXPECT_TRUE(Control<QWidget>(1039)->isVisibleTo(page()));

  Type(1004, "42");
  EXPECT_EQ(editor().layout.objects[cfg::kEdSnap].left, 10);  // typing alone changes nothing
  page()->ApplyFields();
  EXPECT_EQ(editor().layout.objects[cfg::kEdSnap].left, 42);

  // The background: position fields emptied and disabled.
  page()->SelectObject(cfg::kEdBackGround);
  EXPECT_TRUE(Control<QLineEdit>(1004)->text().isEmpty());
  EXPECT_FALSE(Control<QLineEdit>(1004)->isEnabled());

  // A Custom object scrolling right at 3 shows 3 with "Droite"; the up arrow makes it 4.
  editor().layout.objects[cfg::kEdCustom1].scrollSpeedX = -3;
  page()->SelectObject(cfg::kEdCustom1);
  EXPECT_EQ(Control<QLineEdit>(1009)->text(), "3");
  EXPECT_TRUE(Control<QAbstractButton>(1041)->isChecked());
  QTest::mouseClick(Control<QWidget>(1072)->findChild<QToolButton*>("up"), Qt::LeftButton);
  EXPECT_EQ(editor().layout.objects[cfg::kEdCustom1].scrollSpeedX, -4.0f);
}

TEST_F(LayoutPageTest, SavingCommitsTheTypedFieldsFirst) {
  ASSERT_TRUE(page()->ChooseTemplate(Row("Etoiles")));
  page()->SelectObject(cfg::kEdSnap);
  Type(1004, "321");
  ASSERT_TRUE(page()->Save());
  EXPECT_NE(dir.Read("Templates/Etoiles/Layout.cfg").find("\r\nSnap_Left=321\r\n"), std::string::npos);
  EXPECT_FALSE(page()->IsModified());
}

TEST_F(LayoutPageTest, AFontCommittedBySelectingAnotherObjectReachesThePreview) {
  ASSERT_TRUE(page()->ChooseTemplate(Row("Etoiles")));
  page()->SelectObject(cfg::kEdInfo);
  const auto lineHeight = [] { return gRender.fonts.fonts[kInfo].font ? gRender.fonts.fonts[kInfo].font->LineHeight() : 0; };
  const int before = lineHeight();
  Type(1018, "40");
  page()->SelectObject(cfg::kEdSnap);  // commits the Info's fields
  EXPECT_EQ(editor().layout.objects[cfg::kEdInfo].fontSize, 40);
  EXPECT_GT(lineHeight(), before);
}

// A Windows-1252 face merely looked at leaves the layout unmodified and its bytes as they were.
TEST_F(LayoutPageTest, AWindows1252FaceKeepsItsBytesUnlessChanged) {
  dir.Write("Templates/Etoiles/Layout.cfg", "RESOLUTIONX=320\r\nRESOLUTIONY=240\r\nInfo_fontname=Caf\xE9 Sans\r\n");
  ASSERT_TRUE(page()->ChooseTemplate(Row("Etoiles")));
  page()->SelectObject(cfg::kEdInfo);
  EXPECT_EQ(Control<QLineEdit>(1016)->text(), QString::fromUtf8("Caf\u00e9 Sans"));
  page()->SelectObject(cfg::kEdSnap);
  EXPECT_FALSE(page()->IsModified());
  ASSERT_TRUE(page()->Save());
  EXPECT_NE(dir.Read("Templates/Etoiles/Layout.cfg").find("\r\nInfo_Fontname=Caf\xE9 Sans\r\n"), std::string::npos);
}

TEST_F(LayoutPageTest, OutOfRangeValuesArePutBack) {
  ASSERT_TRUE(page()->ChooseTemplate(Row("Etoiles")));
  page()->SelectObject(cfg::kEdSnap);
  const struct {
    int id;
    const char* typed;
    const char* message;
    const char* putBack;
  } cases[] = {
      {1008, "300", "Valeur incorrecte ! (0 Transparent -> 255 opaque)", "255"},
      {1004, "400", "Valeur incorrecte ! (Ne peut être négative ou supérieure à la largeur du layout)", "10"},
      {1007, "-1", "Valeur incorrecte ! (Ne peut être négative ou supérieure à la hauteur du layout)", "80"},
      {1023, "5", "Valeur incorrecte ! (Ne peut être > à la résolution actuelle)", "320"},
      {1029, "16777216", "Valeur incorrecte !", "0"},
  };
  for (const auto& c : cases) {
    messages->clear();
    Type(c.id, QString::fromUtf8(c.typed));
    emit Control<QLineEdit>(c.id)->editingFinished();
    ASSERT_EQ(messages->size(), 1u) << c.id;
    EXPECT_EQ(messages->at(0).text, c.message);
    EXPECT_EQ(Control<QLineEdit>(c.id)->text().toStdString(), c.putBack);
  }
}

TEST_F(LayoutPageTest, TemplateChangeAsksAndKeepsEditsUnlessTold) {
  EditSnap();
  const int etoiles = Row("Etoiles"), plain = Row("Plain");
  // Cancel: nothing changes.
  auto* asked = &platform::ScriptQuestionAnswers({Answer::kCancel});
  EXPECT_FALSE(page()->ChooseTemplate(plain));
  EXPECT_EQ(asked->size(), 1u);
  EXPECT_EQ(editor().templateName, "Etoiles");
  EXPECT_EQ(Control<QComboBox>(1020)->currentIndex(), etoiles);
  EXPECT_EQ(editor().layout.objects[cfg::kEdSnap].alpha, 100);

  // Yes with a save that fails: counts as Cancel.
  editor().currentFilePath = dir / "no/such/dir/Layout.cfg";
  platform::ScriptQuestionAnswers({Answer::kYes});
  EXPECT_FALSE(page()->ChooseTemplate(plain));
  EXPECT_EQ(editor().templateName, "Etoiles");
  EXPECT_TRUE(page()->IsModified());

  // Yes with a save that works: written, then the other template.
  editor().currentFilePath = dir / "Templates/Etoiles/Layout.cfg";
  platform::ScriptQuestionAnswers({Answer::kYes});
  EXPECT_TRUE(page()->ChooseTemplate(plain));
  EXPECT_EQ(editor().templateName, "Plain");
  EXPECT_NE(dir.Read("Templates/Etoiles/Layout.cfg").find("Snap_Alpha=100\r\n"), std::string::npos);

  // No: the edits are dropped.
  page()->SelectObject(cfg::kEdSnap);
  Type(1008, "7");
  page()->ApplyFields();
  platform::ScriptQuestionAnswers({Answer::kNo});
  EXPECT_TRUE(page()->ChooseTemplate(etoiles));
  EXPECT_EQ(editor().layout.objects[cfg::kEdSnap].alpha, 100);
}

TEST_F(LayoutPageTest, ImportAsksFirstAndLeavesTheLayoutModified) {
  EditSnap();
  dir.Write("layout.lay", "not a layout\r\n");
  platform::ScriptQuestionAnswers({Answer::kCancel});
  EXPECT_FALSE(page()->ImportFile(40007, dir / "layout.lay"));
  EXPECT_EQ(editor().layout.objects[cfg::kEdSnap].alpha, 100);
  // No, then a file that is not a layout: refused, the template stays selected.
  platform::ScriptQuestionAnswers({Answer::kNo});
  EXPECT_FALSE(page()->ImportFile(40007, dir / "layout.lay"));
  EXPECT_EQ(editor().templateName, "Etoiles");
  EXPECT_EQ(Control<QComboBox>(1020)->currentIndex(), Row("Etoiles"));
}

TEST_F(LayoutPageTest, LeavingThePageAndQuittingAsk) {
  EditSnap();
  platform::ScriptQuestionAnswers({Answer::kCancel});
  EXPECT_FALSE(window->SelectPage(cfg::kGeneralPage));
  EXPECT_EQ(window->currentPage(), cfg::kLayoutPage);
  EXPECT_TRUE(page()->preview()->active());

  // Quitting with a save that fails keeps the program and the edits.
  editor().currentFilePath = dir / "no/such/dir/Layout.cfg";
  platform::ScriptQuestionAnswers({Answer::kYes});
  EXPECT_FALSE(window->ConfirmQuit());
  EXPECT_TRUE(page()->IsModified());

  // "Enregistrer" (the window's menu) writes the file; then leaving asks nothing and stops the preview.
  editor().currentFilePath = dir / "Templates/Etoiles/Layout.cfg";
  window->findChild<QAction*>("id40002")->trigger();
  EXPECT_FALSE(page()->IsModified());
  auto* asked = &platform::ScriptQuestionAnswers({});
  EXPECT_TRUE(window->SelectPage(cfg::kGeneralPage));
  EXPECT_TRUE(asked->empty());
  EXPECT_FALSE(page()->preview()->active());
  EXPECT_FALSE(page()->preview()->TimerArmed());
}

TEST_F(LayoutPageTest, RightClickInThePreviewSelectsAndDragUpdatesTheFields) {
  ASSERT_TRUE(page()->ChooseTemplate(Row("Etoiles")));
  cfg::PreviewWindow* preview = page()->preview();
  preview->DrawNow();
  QTest::mouseClick(preview, Qt::RightButton, {}, QPoint(50, 50));
  EXPECT_EQ(editor().selected, cfg::kEdSnap);
  EXPECT_EQ(Control<QComboBox>(1003)->currentIndex(), cfg::kEdSnap);
  QTest::mouseMove(preview, {51, 51});  // a move to the point just clicked would be no move
  QTest::mousePress(preview, Qt::LeftButton, {}, {51, 51});
  QTest::mouseMove(preview, {56, 54});
  QTest::mouseRelease(preview, Qt::LeftButton, {}, {56, 54});
  EXPECT_EQ(Control<QLineEdit>(1004)->text(), "15");
  EXPECT_EQ(Control<QLineEdit>(1005)->text(), "23");
  EXPECT_TRUE(page()->IsModified());
}

TEST_F(LayoutPageTest, MinimisingTheWindowTakesThePreviewAlong) {
  window->showMinimized();
  EXPECT_TRUE(page()->preview()->isMinimized());
  EXPECT_FALSE(page()->preview()->TimerArmed());  // nothing animates unseen
  window->showNormal();
  EXPECT_FALSE(page()->preview()->isMinimized());
  // Restored alive: the pulse, the scroll text and "&Appliquer" show again.
  EXPECT_TRUE(page()->preview()->active());
  EXPECT_TRUE(page()->preview()->TimerArmed());
}

// Equal orders: the rows show what the cabinet draws, and Cancel changes nothing.
TEST(OrderDialog, ShowsTheCabinetsStackingAndCancelKeepsTheOrders) {
  uitest::App();
  cfg::EditorLayout layout;
  for (int i = 0; i < cfg::kEditorObjectCount; ++i) layout.objects[i].order = 15 - i;
  layout.objects[cfg::kEdSnap].order = 3;  // ties with Custom4 (editor index 12)
  const cfg::EditorLayout before = layout;
  cfg::OrderDialog dialog(layout);
  const auto drawn = cfg::EditorDrawOrder(layout);
  for (int row = 0; row < cfg::kEditorObjectCount; ++row)
    EXPECT_EQ(dialog.list()->item(row)->text(),
              QString::fromUtf8(cfg::EditorListName(drawn[std::size_t(cfg::kEditorObjectCount - 1 - row)]).data()))
        << row;
  QTest::mouseClick(dialog.findChild<QWidget*>("id1037"), Qt::LeftButton);
  for (int i = 0; i < cfg::kEditorObjectCount; ++i) EXPECT_EQ(layout.objects[i].order, before.objects[i].order) << i;
}

TEST(OrderDialog, MovesRowsAndNumbersThemFromTheBack) {
  uitest::App();
  cfg::EditorLayout layout;
  for (int i = 0; i < cfg::kEditorObjectCount; ++i) layout.objects[i].order = 15 - i;  // background in front
  cfg::OrderDialog dialog(layout);
  QListWidget* list = dialog.list();
  ASSERT_EQ(list->count(), 15);
  EXPECT_EQ(list->item(0)->text(), "Layout");
  dialog.MoveSelected(+1);  // nothing selected: nothing moves
  EXPECT_EQ(list->item(0)->text(), "Layout");
  list->setCurrentRow(14);  // Custom 6, at the back
  dialog.MoveSelected(+1);  // already the bottom row
  dialog.MoveSelected(-1);
  EXPECT_EQ(list->item(13)->text(), "Custom 6");
  QTest::mouseClick(dialog.findChild<QWidget*>("id1036"), Qt::LeftButton);
  EXPECT_EQ(layout.objects[cfg::kEdCustom6].order, 2);
  EXPECT_EQ(layout.objects[cfg::kEdCustom6 - 1].order, 1);
  EXPECT_EQ(layout.objects[cfg::kEdBackGround].order, 15);
}

}  // namespace
