// The layout editor page in the real window: fields to model and back, the checks on
// leaving a field, and the save questions of a template change, an import, a page change
// and quitting (a failed save or a cancelled dialog keeps the edits).
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QToolButton>

#include "configurator/layouteditor/ui/layout_page.h"
#include "configurator/layouteditor/ui/order_dialog.h"
#include "configurator/layouteditor/ui/preview_window.h"
#include "configurator/layouteditor/font_units.h"
#include "configurator/layouteditor/object_nudge.h"
#include "configurator/layouteditor/object_numbering.h"
#include "render/font_table.h"
#include "render/render_state.h"
#include "ui_fixture.h"

#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QFontDialog>
#include <QTimer>
#include <QWindow>

using render::kInfo;

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
  // The records the page's preview draws through.
  const render::RenderState& Drawing() const { return page()->preview()->renderer().records(); }
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
  const auto lineHeight = [this] { return Drawing().fonts.fonts[kInfo].font ? Drawing().fonts.fonts[kInfo].font->LineHeight() : 0; };
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

// Each kind of edit is one step: undone back to the loaded (unmodified) layout, redone
// again, with the fields and the preview following; a template change clears the steps.
TEST_F(LayoutPageTest, UndoAndRedoWalkEveryKindOfEdit) {
  ASSERT_TRUE(page()->ChooseTemplate(Row("Etoiles")));
  page()->SelectObject(cfg::kEdSnap);
  cfg::PreviewWindow* preview = page()->preview();
  const auto& snap = editor().layout.objects[cfg::kEdSnap];
  struct Expected {
    int alpha, left, width, resX;
    bool snapInFront;
  };
  const auto state = [&] {
    const auto order = cfg::EditorDrawOrder(editor().layout);
    return std::make_tuple(snap.alpha, snap.left, snap.width, editor().layout.Width(), order.back() == cfg::kEdSnap);
  };
  const Expected loaded = {255, 10, 100, 320, false};
  std::vector<Expected> after;
  Type(1008, "100");  // a field
  page()->ApplyFields();
  after.push_back({100, 10, 100, 320, false});
  preview->DrawNow();
  const auto drag = [preview](QPoint from, QPoint to) {
    const auto send = [preview](QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons) {
      QMouseEvent e(type, QPointF(p), preview->mapToGlobal(QPointF(p)), button, buttons, Qt::NoModifier);
      QApplication::sendEvent(preview, &e);
    };
    send(QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
    send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
  };
  drag({51, 51}, {56, 54});  // a move
  after.push_back({100, 15, 100, 320, false});
  drag({115, 60}, {135, 60});  // a resize by the right edge
  after.push_back({100, 15, 120, 320, false});
  QTimer::singleShot(0, [] {  // the order: the Snap to the front
    auto* dialog = qobject_cast<cfg::OrderDialog*>(QApplication::activeModalWidget());
    ASSERT_TRUE(dialog);
    const auto rows = dialog->list()->findItems("Snapshot", Qt::MatchExactly);
    dialog->list()->setCurrentItem(rows.at(0));
    for (int i = 0; i < 15; ++i) dialog->MoveSelected(-1);
    QTest::mouseClick(dialog->findChild<QWidget*>("id1036"), Qt::LeftButton);
  });
  page()->OpenOrderDialog();
  after.push_back({100, 15, 120, 320, true});
  Type(1023, "300");  // the resolution
  page()->ApplyFields();
  after.push_back({100, 15, 120, 300, true});
  const auto expect = [&](const Expected& e, const char* when, std::size_t step) {
    EXPECT_EQ(state(), std::make_tuple(e.alpha, e.left, e.width, e.resX, e.snapInFront)) << when << step;
    EXPECT_EQ(Control<QLineEdit>(1004)->text().toInt(), e.left) << when << step;
    EXPECT_EQ(preview->image().width(), e.resX) << when << step;
  };
  for (std::size_t i = after.size(); i-- > 0;) {
    page()->Undo();
    expect(i == 0 ? loaded : after[i - 1], "undo ", i);
  }
  EXPECT_FALSE(page()->IsModified());
  EXPECT_FALSE(Control<QPushButton>(1200)->isEnabled());
  for (std::size_t i = 0; i < after.size(); ++i) {
    page()->Redo();
    expect(after[i], "redo ", i);
  }
  EXPECT_TRUE(page()->IsModified());

  // The keys.
  page()->window()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(page()->window()));
  QTest::keyClick(page()->window(), Qt::Key_Z, Qt::ControlModifier);
  expect(after[after.size() - 2], "Ctrl+Z", 0);
  QTest::keyClick(page()->window(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  expect(after.back(), "Ctrl+Shift+Z", 0);

  platform::ScriptQuestionAnswers({Answer::kNo});
  ASSERT_TRUE(page()->ChooseTemplate(Row("Plain")));
  EXPECT_FALSE(Control<QPushButton>(1200)->isEnabled());
  page()->Undo();
  EXPECT_EQ(editor().templateName, "Plain");
  EXPECT_FALSE(page()->IsModified());
}

TEST_F(LayoutPageTest, KeysMoveResizeAndWalkTheObjectsInThePreview) {
  ASSERT_TRUE(page()->ChooseTemplate(Row("Etoiles")));
  page()->SelectObject(cfg::kEdSnap);
  cfg::PreviewWindow* preview = page()->preview();
  const auto& snap = editor().layout.objects[cfg::kEdSnap];
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int left, top, width, height;
  } cases[] = {{Qt::Key_Right, Qt::NoModifier, 11, 20, 100, 80},
               {Qt::Key_Down, Qt::ShiftModifier, 11, 30, 100, 80},
               {Qt::Key_Left, Qt::ShiftModifier, 1, 30, 100, 80},
               {Qt::Key_Right, Qt::AltModifier, 1, 30, 101, 80},
               {Qt::Key_Up, Qt::AltModifier | Qt::ShiftModifier, 1, 30, 101, 70}};
  for (const auto& c : cases) {
    QTest::keyClick(preview, c.key, c.modifiers);
    EXPECT_EQ(std::make_tuple(snap.left, snap.top, snap.width, snap.height),
              std::make_tuple(c.left, c.top, c.width, c.height))
        << &c - cases;
  }
  EXPECT_EQ(Control<QLineEdit>(1006)->text(), "101");
  QMouseEvent hover(QEvent::MouseMove, QPointF(7, 9), preview->mapToGlobal(QPointF(7, 9)), Qt::NoButton, Qt::NoButton,
                    Qt::NoModifier);
  QApplication::sendEvent(preview, &hover);
  EXPECT_EQ(Control<QLabel>(1202)->text(), QString::fromUtf8("Pointeur : 7, 9    Snapshot : 1, 30  101 x 70"));
  page()->Undo();  // each key is a step
  EXPECT_EQ(snap.height, 80);

  // Tab and Shift+Tab reach the page's selection (the rule is the model's own).
  const int next = cfg::NextInDrawOrder(editor().layout, cfg::kEdSnap, false);
  ASSERT_NE(next, cfg::kEdSnap);
  QTest::keyClick(preview, Qt::Key_Tab);
  EXPECT_EQ(editor().selected, next);
  EXPECT_EQ(Control<QComboBox>(1003)->currentIndex(), next);
  QTest::keyClick(preview, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(editor().selected, cfg::kEdSnap);
}

// The page's window stays above its preview while the page is shown, and no longer after.
TEST_F(LayoutPageTest, ThePageIsKeptAboveItsPreview) {
  QWindow* page = window->windowHandle();
  QWindow* preview = this->page()->preview()->windowHandle();
  ASSERT_TRUE(page && preview);
  EXPECT_EQ(page->transientParent(), preview);
  EXPECT_EQ(preview->transientParent(), nullptr);
  ASSERT_TRUE(window->SelectPage(cfg::kGeneralPage));
  EXPECT_EQ(page->transientParent(), nullptr);
  ASSERT_TRUE(window->SelectPage(cfg::kLayoutPage));
  EXPECT_EQ(page->transientParent(), preview);
}

// The preview reads the configuration's ScrollTexte.txt as the cabinet does.
TEST_F(LayoutPageTest, TheScrollTextIsReadAsTheCabinetReadsIt) {
  const struct {
    std::string file, shown;
  } cases[] = {{"Caf\xC3\xA9 \xE2\x82\xAC 5", "Caf\xC3\xA9 \xE2\x82\xAC 5"},  // UTF-8 stays
               {"Caf\xE9", "Caf\xC3\xA9"},                                   // Windows-1252 is turned into it
               {std::string("A\0B", 3), "A"}};
  for (const auto& c : cases) {
    dir.Write("config/Mame/ScrollTexte.txt", c.file);
    ASSERT_TRUE(window->SelectPage(cfg::kGeneralPage));
    ASSERT_TRUE(window->SelectPage(cfg::kLayoutPage));
    EXPECT_EQ(Drawing().scrollText.source, c.shown) << c.shown;
  }
}

// The chooser's point size is stored as the pixel height it gives on the screen.
TEST_F(LayoutPageTest, TheFontChoosersPointsBecomeAPixelHeight) {
  ASSERT_TRUE(page()->ChooseTemplate(Row("Etoiles")));
  page()->SelectObject(cfg::kEdInfo);
  const double dpi = page()->screen()->logicalDotsPerInchY();
  Type(1018, "30");
  int offered = 0;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
    ASSERT_TRUE(dialog);
    offered = dialog->currentFont().pointSize();
    QFont font = dialog->currentFont();
    font.setPointSize(12);
    dialog->setCurrentFont(font);
    dialog->accept();
  });
  QTest::mouseClick(Control<QWidget>(1017), Qt::LeftButton);
  EXPECT_EQ(offered, cfg::PixelsToPoints(30, dpi));
  EXPECT_EQ(Control<QLineEdit>(1018)->text().toInt(), cfg::PointsToPixels(12, dpi));
}

// "Nouveau" starts an empty layout; saved into a new template folder, it joins the list as
// the loaded template.
TEST_F(LayoutPageTest, ANewLayoutSavedIntoANewFolderJoinsTheList) {
  EditSnap();
  auto* asked = &platform::ScriptQuestionAnswers({Answer::kCancel});
  EXPECT_FALSE(page()->NewLayout());
  EXPECT_EQ(editor().templateName, "Etoiles");
  asked = &platform::ScriptQuestionAnswers({Answer::kNo});
  ASSERT_TRUE(page()->NewLayout());
  EXPECT_EQ(asked->size(), 1u);
  EXPECT_EQ(Control<QComboBox>(1020)->currentIndex(), -1);
  EXPECT_TRUE(editor().currentFilePath.empty());
  EXPECT_FALSE(page()->IsModified());

  dir.Write("Templates/Neuf/lisezmoi.txt", "");  // the folder the save dialog made
  editor().currentFilePath = dir / "Templates/Neuf/Layout.cfg";
  ASSERT_TRUE(page()->Save());
  EXPECT_EQ(Control<QComboBox>(1020)->currentText(), "Neuf");
  EXPECT_EQ(editor().templateName, "Neuf");
  // Choosing it again is no change: nothing is asked, nothing reloaded.
  asked = &platform::ScriptQuestionAnswers({});
  EXPECT_TRUE(page()->ChooseTemplateNamed("Neuf"));
  EXPECT_TRUE(asked->empty());
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
