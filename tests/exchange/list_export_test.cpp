#include "exchange/list_export.h"
#include "exchange/list_export_csv.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/path.h"
#include "support/file_bytes.h"
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

// A strict RFC 4180 reader: a quote inside a quoted field must be doubled, and a quoted field
// must be followed by a separator or the record's end. Fails the test on anything else.
std::vector<std::vector<std::string>> ParseCsv(std::string_view text) {
  std::vector<std::vector<std::string>> records;
  std::vector<std::string> record;
  std::string field;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '"') {
      ++i;
      for (;;) {
        if (i >= text.size()) {
          ADD_FAILURE() << "unterminated quoted field";
          return records;
        }
        if (text[i] == '"') {
          if (i + 1 < text.size() && text[i + 1] == '"') {
            field += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        field += text[i++];
      }
      if (i < text.size() && text[i] != ',' && text[i] != '\r') ADD_FAILURE() << "text after a closing quote";
    }
    while (i < text.size() && text[i] != ',' && text[i] != '\r') {
      if (text[i] == '"' || text[i] == '\n') ADD_FAILURE() << "bare quote or line feed in an unquoted field";
      field += text[i++];
    }
    record.push_back(std::move(field));
    field.clear();
    if (i < text.size() && text[i] == ',') {
      ++i;
      continue;
    }
    if (text.substr(i, 2) != "\r\n") {
      ADD_FAILURE() << "record does not end in CR LF";
      return records;
    }
    i += 2;
    records.push_back(std::move(record));
    record.clear();
  }
  return records;
}

TEST(ListExportCsv, QuotesWhereNeededAndReadsBackInAStrictParser) {
  // "\xDC" is the Windows-1252 'Ü' the list holds; the file carries it as UTF-8.
  const ExportedList list{"Titel wird nicht geschrieben",
                          {"Name", "Verein", "Pos"},
                          {{"M\xDCller, \"Ede\"", "Brighton & Hove", "TW"},
                           {"Zeile\r\nzwei", "", "ST"},
                           {"kurz"}}};
  const std::string csv = FormatListAsCsv(list);
  ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_EQ(csv.substr(3),
            "Name,Verein,Pos\r\n"
            "\"M\xC3\x9Cller, \"\"Ede\"\"\",Brighton & Hove,TW\r\n"
            "\"Zeile\r\nzwei\",,ST\r\n"
            "kurz,,\r\n");
  const auto records = ParseCsv(std::string_view(csv).substr(3));
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[1], (std::vector<std::string>{"M\xC3\x9Cller, \"Ede\"", "Brighton & Hove", "TW"}));
  EXPECT_EQ(records[2][0], "Zeile\r\nzwei");
  for (const auto& record : records) EXPECT_EQ(record.size(), 3u);
}

TEST(ListExport, FilesAreWrittenWholeOrNotAtAll) {
  EXPECT_EQ(FormatListAsCsv({"", {"A", "B"}, {}}), "\xEF\xBB\xBF" "A,B\r\n");  // the header only
  test::ScratchDir dir;
  const std::string text = JoinPath(dir.path(), "liste.txt"), csv = JoinPath(dir.path(), "liste.csv");
  const ExportedList full{"", {"Name"}, {{"a,b"}}};
  ASSERT_TRUE(ExportListToFile(text, Sample(), ListExportFormat::kTabs));
  ASSERT_TRUE(ExportListToCsvFile(csv, full));
  EXPECT_EQ(test::ReadText(text), FormatExportedList(Sample(), ListExportFormat::kTabs));
  EXPECT_EQ(test::ReadText(csv), FormatListAsCsv(full));
  for (const std::string& bad : {JoinPath(dir.path(), "no/such/folder/liste.txt"), std::string()}) {
    EXPECT_FALSE(ExportListToFile(bad, Sample(), ListExportFormat::kXml)) << bad;
    EXPECT_FALSE(ExportListToCsvFile(bad, full)) << bad;
  }
}

}  // namespace
}  // namespace torvale
