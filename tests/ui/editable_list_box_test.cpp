// The event list's in-place editor with real widgets: how an edit opens,
// how Enter, Escape, focus loss, scrolling and resizing end it.
#include "ui/macro_editor/editable_list_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <functional>
#include <memory>
#include <vector>

namespace k9 {
namespace {

class EditableListBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(window.get());
    list = new CEditableListBox(window.get());
    other = new QLineEdit(window.get());
    layout->addWidget(list);
    layout->addWidget(other);
    for (int i = 0; i < 40; ++i) {
      list->addItem(i % 2 ? QString("    %1ms").arg(i * 10) : QString("[↓]KEY %1").arg(i));
    }
    // Wider rows than the list, so that both scroll bars can move.
    list->addItem(QString(200, QChar('w')));
    window->resize(200, 160);
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  // Opens the editor on a row the way the owner does.
  void OpenOn(int row) {
    list->setCurrentRow(row);
    list->SendChar(EDIT_REQUEST_CHAR);
    ASSERT_NE(list->editor(), nullptr);
    ASSERT_EQ(list->editedRow(), row);
  }
  void Type(const QString& text) { QTest::keyClicks(list->editor(), text); }
  QString Row(int row) const { return list->item(row)->text(); }
  void ExpectClosed() const {
    EXPECT_FALSE(list->isEditing());
    EXPECT_EQ(list->editor(), nullptr);
    EXPECT_EQ(list->editedRow(), -1);
    EXPECT_EQ(list->findChildren<CEditHelper*>().size(), 1);
    EXPECT_FALSE(list->findChildren<CEditHelper*>().front()->isVisible());
  }

  std::unique_ptr<QWidget> window;
  CEditableListBox* list = nullptr;
  QLineEdit* other = nullptr;
};

TEST_F(EditableListBoxTest, OpensOverTheSelectedRowWithItsTextSelectedAndFocused) {
  QFont font("DejaVu Sans", 13);
  list->setFont(font);
  OpenOn(3);
  CEditHelper* editor = list->editor();
  EXPECT_EQ(editor->parentWidget(), list->viewport());
  EXPECT_EQ(editor->geometry(), list->visualItemRect(list->item(3)).adjusted(0, -2, 0, 2));
  EXPECT_EQ(editor->font(), list->font());
  EXPECT_EQ(editor->text(), "    30ms");
  EXPECT_EQ(editor->selectedText(), "    30ms");
  EXPECT_TRUE(editor->isVisible());
  EXPECT_TRUE(editor->hasFocus());
  EXPECT_EQ(list->editRequest(), 0u);
}

TEST_F(EditableListBoxTest, OnlyCharacterOneOpensAndOnlyWhilePending) {
  // Ctrl+A types character 1 into the list, as the owner's request does.
  struct Case {
    char16_t code;
    bool byKey;
    bool opens;
  };
  for (const Case c : {Case{1, false, true}, Case{1, true, true}, Case{0, false, false}, Case{2, false, false},
                       Case{'a', false, false}, Case{'a', true, false}, Case{13, false, false}}) {
    SCOPED_TRACE(testing::Message() << "code " << int(c.code) << (c.byKey ? " by key" : " sent"));
    list->setCurrentRow(1);
    list->setFocus();
    if (c.byKey) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_A, c.code == 1 ? Qt::ControlModifier : Qt::NoModifier,
                      QString(QChar(c.code)));
      QApplication::sendEvent(list, &press);
    } else {
      list->SendChar(c.code);
    }
    EXPECT_EQ(list->isEditing(), c.opens);
    EXPECT_EQ(list->editRequest(), c.opens ? 0u : c.code);
    if (c.opens) {
      list->EndEdit(false);
      continue;
    }
    // Insert and the right button on the selected row open nothing without
    // a pending request either.
    QTest::keyClick(list, Qt::Key_Insert);
    const QPoint inRow = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, inRow);
    EXPECT_FALSE(list->isEditing());
  }
}

TEST_F(EditableListBoxTest, EnterKeepsTheTypedTextAndReportsTheChangeOnlyWithNotify) {
  for (const bool notify : {false, true}) {
    SCOPED_TRACE(notify ? "notify" : "no notify");
    list->setNotify(notify);
    QSignalSpy changed(list, &CEditableListBox::itemTextChanged);
    QSignalSpy finished(list, &CEditableListBox::editFinished);
    const int row = notify ? 5 : 7;
    const QString before = Row(row);
    OpenOn(row);
    Type("120");
    QTest::keyClick(list->editor(), Qt::Key_Return);
    ExpectClosed();
    EXPECT_EQ(Row(row), "120");
    EXPECT_EQ(list->count(), 41);
    EXPECT_EQ(list->selectedRow(), row);
    EXPECT_TRUE(list->hasFocus());
    ASSERT_EQ(changed.count(), notify ? 1 : 0);
    if (notify) {
      EXPECT_EQ(changed.front(), (QList<QVariant>{row, before}));
    }
    // The editor loses the focus while it closes and asks once more.
    EXPECT_EQ(finished.count(), 2);
  }
}

TEST_F(EditableListBoxTest, EscapeDiscardsAndKeepingAnEqualTextChangesNothing) {
  list->setNotify(true);
  QSignalSpy changed(list, &CEditableListBox::itemTextChanged);
  QSignalSpy finished(list, &CEditableListBox::editFinished);
  OpenOn(3);
  Type("999");
  QTest::keyClick(list->editor(), Qt::Key_Escape);
  ExpectClosed();
  EXPECT_EQ(Row(3), "    30ms");
  EXPECT_GE(finished.count(), 1);

  finished.clear();
  OpenOn(3);
  QTest::keyClick(list->editor(), Qt::Key_Enter);
  ExpectClosed();
  EXPECT_EQ(Row(3), "    30ms");
  EXPECT_EQ(changed.count(), 0);
  EXPECT_GE(finished.count(), 1);
}

TEST_F(EditableListBoxTest, FocusMovingElsewhereKeepsTheText) {
  QSignalSpy finished(list, &CEditableListBox::editFinished);
  OpenOn(3);
  Type("250");
  other->setFocus();
  ExpectClosed();
  EXPECT_EQ(Row(3), "250");
  EXPECT_TRUE(other->hasFocus());
  EXPECT_EQ(finished.count(), 1);
}

TEST_F(EditableListBoxTest, ScrollingEndsTheEditKeepingTheTextOfTheRowBeforeTheScroll) {
  struct Case {
    const char* name;
    std::function<void(CEditableListBox&)> scroll;
    bool vertical;
  };
  const std::vector<Case> cases = {
      {"page down", [](CEditableListBox& l) { l.verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd); }, true},
      {"slider dragged", [](CEditableListBox& l) { l.verticalScrollBar()->setSliderPosition(5); }, true},
      {"wheel over the rows",
       [](CEditableListBox& l) {
         const QPointF at = l.viewport()->rect().center();
         QWheelEvent wheel(at, l.viewport()->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                           Qt::NoScrollPhase, false);
         QApplication::sendEvent(l.viewport(), &wheel);
       },
       true},
      {"horizontal", [](CEditableListBox& l) { l.horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    list->scrollToTop();
    list->horizontalScrollBar()->setValue(0);
    QSignalSpy finished(list, &CEditableListBox::editFinished);
    OpenOn(1);
    Type(QString("7%1").arg(c.name));
    QScrollBar* bar = c.vertical ? list->verticalScrollBar() : list->horizontalScrollBar();
    c.scroll(*list);
    EXPECT_GT(bar->value(), 0);
    ExpectClosed();
    EXPECT_EQ(Row(1), QString("7%1").arg(c.name));
    EXPECT_GE(finished.count(), 1);
  }
}

TEST_F(EditableListBoxTest, ResizingEndsTheEditKeepingTheText) {
  OpenOn(2);
  Type("x");
  list->resize(list->width() + 10, list->height());
  ExpectClosed();
  EXPECT_EQ(Row(2), "x");
}

TEST_F(EditableListBoxTest, EndEditWithoutAnEditorDoesNothing) {
  list->setNotify(true);
  QSignalSpy changed(list, &CEditableListBox::itemTextChanged);
  QSignalSpy finished(list, &CEditableListBox::editFinished);
  list->setCurrentRow(4);
  list->EndEdit(true);
  list->EndEdit(false);
  EXPECT_EQ(changed.count() + finished.count(), 0);
  EXPECT_EQ(Row(4), "[↓]KEY 4");
  EXPECT_EQ(list->selectedRow(), 4);
}

TEST_F(EditableListBoxTest, SecondRequestWhileEditingKeepsTheFirstEditAndLeavesOneEditor) {
  list->setNotify(true);
  QSignalSpy changed(list, &CEditableListBox::itemTextChanged);
  QSignalSpy finished(list, &CEditableListBox::editFinished);
  OpenOn(1);
  // Untouched, the first edit changes nothing and the selection decides.
  list->setCurrentRow(3);
  list->SendChar(EDIT_REQUEST_CHAR);
  EXPECT_EQ(list->editedRow(), 3);
  EXPECT_EQ(list->editor()->text(), Row(3));
  EXPECT_GE(finished.count(), 1);
  // Typed into, the first edit is kept and its row stays selected.
  Type("42");
  list->SendChar(EDIT_REQUEST_CHAR);
  EXPECT_EQ(Row(3), "42");
  EXPECT_EQ(changed.count(), 1);
  EXPECT_EQ(list->editedRow(), 3);
  const QList<CEditHelper*> editors = list->findChildren<CEditHelper*>();
  ASSERT_EQ(editors.size(), 1);
  EXPECT_EQ(editors.front(), list->editor());
  EXPECT_TRUE(editors.front()->isVisible());
  EXPECT_TRUE(editors.front()->hasFocus());
}

TEST_F(EditableListBoxTest, OwnerRebuildingTheRowsOnEveryFinishKeepsOneWorkingEditor) {
  // As the macro editor does: every finished edit stores the row's text and
  // lists all rows again, selecting the row it works on.
  QStringList rows;
  for (int i = 0; i < list->count(); ++i) rows << Row(i);
  int current = 3;
  const QObject owner;  // leaves before rows and current do
  QObject::connect(list, &CEditableListBox::editFinished, &owner, [&] {
    rows[current] = Row(current);
    list->clear();
    list->addItems(rows);
    list->setCurrentRow(current);
  });
  OpenOn(3);
  Type("80");
  QTest::keyClick(list->editor(), Qt::Key_Return);
  ExpectClosed();
  EXPECT_EQ(rows[3], "80");
  EXPECT_EQ(Row(3), "80");

  OpenOn(3);
  Type("90");
  current = 5;
  list->setCurrentRow(5);
  list->SendChar(EDIT_REQUEST_CHAR);
  EXPECT_EQ(list->editedRow(), 5);
  EXPECT_EQ(list->editor()->text(), "    50ms");
  EXPECT_EQ(list->findChildren<CEditHelper*>().size(), 1);
}

TEST_F(EditableListBoxTest, IsWhiteOnBlackWithoutAStyleSheet) {
  OpenOn(1);
  for (QWidget* w : {static_cast<QWidget*>(list), static_cast<QWidget*>(list->editor())}) {
    EXPECT_EQ(w->palette().color(QPalette::Base), QColor(Qt::black));
    EXPECT_EQ(w->palette().color(QPalette::Text), QColor(Qt::white));
  }
  list->EndEdit(false);
  list->clear();
  const QImage picture = list->viewport()->grab().toImage();
  EXPECT_EQ(picture.pixelColor(picture.width() / 2, picture.height() / 2), QColor(Qt::black));
}

TEST_F(EditableListBoxTest, DestroyingTheListWhileEditingTellsNoOne) {
  int finished = 0;
  QObject::connect(list, &CEditableListBox::editFinished, window.get(), [&] { ++finished; });
  OpenOn(1);
  Type("5");
  delete list;
  EXPECT_EQ(finished, 0);
  EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace k9
