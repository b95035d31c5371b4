#include "exchange/list_export.h"

#include <gtest/gtest.h>

#include "platform/path.h"
#include "support/scratch_dir.h"

#ifdef TORVALE_TEST_XML_PARSER
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>
#endif

namespace torvale {
namespace {

ExportedList Sample() {
  return {"Doppelte Spieler", {"Name", "Verein", "Alter"}, {{"Hans", "Brighton & Hove", "23"}, {"Li", "<FC>", "5"}}};
}

TEST(ListExport, TabsAndBlanksAreWrittenByteForByte) {
  ExportedList list = Sample();
  EXPECT_EQ(FormatExportedList(list, ListExportFormat::kTabs),
            "Doppelte Spieler\r\nHans\tBrighton & Hove\t23\r\nLi\t<FC>\t5\r\n");
  // Column widths: longest cell plus one, the last column included.
  EXPECT_EQ(FormatExportedList(list, ListExportFormat::kSpaces),
            "Doppelte Spieler\r\n"
            "Hans Brighton & Hove 23 \r\n"
            "Li   <FC>            5  \r\n");
  // A column whose longest text has 5 characters is 6 wide in every row; missing cells are
  // empty, extra cells are left out.
  list = {"", {"A", "B"}, {{"12345", "x", "extra"}, {"1"}}};
  EXPECT_EQ(FormatExportedList(list, ListExportFormat::kSpaces), "\r\n12345 x \r\n1       \r\n");
  EXPECT_EQ(FormatExportedList(list, ListExportFormat::kTabs), "\r\n12345\tx\r\n1\t\r\n");

  // Without rows only the title line is written.
  list.rows.clear();
  EXPECT_EQ(FormatExportedList(list, ListExportFormat::kTabs), "\r\n");
  EXPECT_EQ(FormatExportedList(list, ListExportFormat::kSpaces), "\r\n");

  // Cells keep at most 1023 characters.
  list = {"T", {"A"}, {{std::string(2000, 'z')}}};
  EXPECT_EQ(FormatExportedList(list, ListExportFormat::kTabs), "T\r\n" + std::string(1023, 'z') + "\r\n");
}

TEST(ListExport, XmlEscapesWhatXmlCannotHold) {
  EXPECT_EQ(FormatExportedList({"Leer", {"A"}, {}}, ListExportFormat::kXml),
            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<list>\r\n\t<title>Leer</title>\r\n\t</list>\r\n");
  EXPECT_EQ(FormatExportedList({"T", {"A", "B"}, {{"a&b", "\"x\" 'y' <z>\x01"}}}, ListExportFormat::kXml),
            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<list>\r\n\t<title>T</title>\r\n"
            "\t<row>\r\n\t\t<col>a&amp;b</col>\r\n\t\t<col>&quot;x&quot; &apos;y&apos; &lt;z&gt; </col>\r\n"
            "\t</row>\r\n\t</list>\r\n");
}

#ifdef TORVALE_TEST_XML_PARSER
TEST(ListExport, XmlOfClubNamesWithAmpersandsParses) {
  ExportedList list = Sample();
  list.title = "Vereine & <Spieler>";
  list.rows.push_back({"M\xFCller", "1. FC K\xF6ln", "30"});  // Windows-1252 umlauts
  const std::string xml = FormatExportedList(list, ListExportFormat::kXml);
  QXmlStreamReader reader(QByteArray(xml.data(), static_cast<qsizetype>(xml.size())));
  QString title;
  QStringList cells;
  while (!reader.atEnd()) {
    reader.readNext();
    if (reader.isStartElement() && reader.name() == u"title") title = reader.readElementText();
    if (reader.isStartElement() && reader.name() == u"col") cells << reader.readElementText();
  }
  ASSERT_FALSE(reader.hasError()) << reader.errorString().toStdString();
  EXPECT_EQ(title, QString("Vereine & <Spieler>"));
  ASSERT_EQ(cells.size(), 9);
  EXPECT_EQ(cells[1], QString("Brighton & Hove"));
  EXPECT_EQ(cells[4], QString("<FC>"));
  EXPECT_EQ(cells[7], QString::fromUtf8("1. FC Köln"));
}
#endif

TEST(ListExport, FileIsWrittenWholeOrNotAtAll) {
  test::ScratchDir dir;
  const std::string path = dir.path() + "/liste.txt";
  ASSERT_TRUE(ExportListToFile(path, Sample(), ListExportFormat::kTabs));
  std::string content;
  ASSERT_TRUE(ReadWholeFile(path, content));
  EXPECT_EQ(content, FormatExportedList(Sample(), ListExportFormat::kTabs));
  EXPECT_FALSE(ExportListToFile(dir.path() + "/no/such/folder/liste.txt", Sample(), ListExportFormat::kXml));
  EXPECT_FALSE(ExportListToFile("", Sample(), ListExportFormat::kXml));
}

}  // namespace
}  // namespace torvale
