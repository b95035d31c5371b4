#include "exchange/list_export_csv.h"

#include <gtest/gtest.h>

#include "platform/path.h"
#include "support/scratch_dir.h"

namespace torvale {
namespace {

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

TEST(ListExportCsv, EmptyListIsTheHeaderOnlyAndTheFileMatchesTheText) {
  const ExportedList list{"", {"A", "B"}, {}};
  EXPECT_EQ(FormatListAsCsv(list), "\xEF\xBB\xBF" "A,B\r\n");

  test::ScratchDir dir;
  const std::string path = JoinPath(dir.path(), "liste.csv");
  const ExportedList full{"", {"Name"}, {{"a,b"}}};
  ASSERT_TRUE(ExportListToCsvFile(path, full));
  std::string written;
  ASSERT_TRUE(ReadWholeFile(path, written));
  EXPECT_EQ(written, FormatListAsCsv(full));
  EXPECT_FALSE(ExportListToCsvFile(JoinPath(dir.path(), "fehlt/liste.csv"), full));
  EXPECT_FALSE(ExportListToCsvFile("", full));
}

}  // namespace
}  // namespace torvale
