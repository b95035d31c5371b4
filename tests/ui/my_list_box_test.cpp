#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTest>

#include "ui/controls/my_list_box.h"

namespace torvale {

TEST(MyListBox, DrawsTabSeparatedPartsInTheirColumns) {
  const QRect item(0, 0, 300, 18);
  std::vector<QRect> rects = TabColumnsDelegate::ColumnRects({{0, 180}, {190, 230}}, 2, item);
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_EQ(rects[0], QRect(0, 0, 180, 18));
  EXPECT_EQ(rects[1], QRect(190, 0, 40, 18));
  // Parts beyond the defined columns are not drawn; without columns the width is shared.
  EXPECT_EQ(TabColumnsDelegate::ColumnRects({{0, 180}}, 3, item).size(), 1u);
  rects = TabColumnsDelegate::ColumnRects({}, 2, item);
  EXPECT_EQ(rects[1], QRect(150, 0, 150, 18));
}

TEST(MyListBox, FramesTheFocusItemInRed) {
  CMyListBox list;
  list.resize(200, 100);
  list.SetColumns({{0, 120}, {130, 190}});
  list.AddString("M\xC3\xBCller\tTW");
  list.AddString("Schmidt\tAB");
  list.setCurrentRow(1);
  list.show();
  list.activateWindow();
  list.setFocus();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&list));
  EXPECT_EQ(list.GetText(0), QString::fromUtf8("Müller\tTW"));

  QImage image(list.viewport()->size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  list.viewport()->render(&image);
  const QRect focus = list.visualItemRect(list.item(1));
  EXPECT_EQ(image.pixelColor(focus.left(), focus.center().y()), QColor(255, 0, 0));
  const QRect other = list.visualItemRect(list.item(0));
  EXPECT_NE(image.pixelColor(other.left(), other.center().y()), QColor(255, 0, 0));
}

}  // namespace torvale
