#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <filesystem>
#include <fstream>

#include "database/database_folder.h"
#include "database/database_save_as.h"
#include "platform/path.h"
#include "support/gui/editor_fixture.h"
#include "support/test_database.h"
#include "ui/database/dlg_new_database.h"
#include "ui/database/dlg_select_database.h"

namespace torvale {

namespace fs = std::filesystem;

namespace {

class DatabaseFoldersTest : public test::EditorFixture {
 protected:
  std::string Root() const { return DocumentsFolder() + "/database"; }
  // A database folder with a description and one file.
  void MakeDatabase(const std::string& name, const std::string& description, const std::string& file = "Country14.sav") {
    fs::create_directories(Root() + "/" + name);
    std::ofstream(Root() + "/" + name + "/Database.txt") << description;
    std::ofstream(Root() + "/" + name + "/" + file) << "old";
  }
  bool SaveNothing(CWorldDatabase&) { return false; }
};

QStringList Listed(const QListWidget& list) {
  QStringList names;
  for (int i = 0; i < list.count(); ++i) names << list.item(i)->text();
  return names;
}

}  // namespace

TEST_F(DatabaseFoldersTest, TheSelectionListsDatabasesShowsCommentsAndRemovesALeftOverExport) {
  MakeDatabase("Liga 2004", "Meine Liga");
  MakeDatabase("alt", "");
  MakeDatabase(std::string(kTempExportFolderName), "temp directory");
  CDlgSelectDatabase dialog(DocumentsFolder());
  EXPECT_FALSE(fs::exists(Root() + "/tempExport"));
  EXPECT_EQ(Listed(*dialog.List()), (QStringList{"alt", "Liga 2004"}));
  auto* open = dialog.findChild<QPushButton*>("open");
  EXPECT_FALSE(open->isEnabled());
  dialog.Open();  // nothing selected: nothing happens
  EXPECT_TRUE(dialog.ChosenFolder().empty());

  dialog.List()->setCurrentRow(1);
  EXPECT_EQ(dialog.findChild<QPlainTextEdit*>("comment")->toPlainText(), "Meine Liga");
  EXPECT_TRUE(open->isEnabled());

  // Deleting asks; No keeps the database.
  Answers().Then(DialogAnswer::kNo);
  dialog.findChild<QPushButton*>("deleteDatabase")->click();
  EXPECT_TRUE(fs::exists(Root() + "/Liga 2004"));
  EXPECT_EQ(Answers().Texts().at(0), QString::fromUtf8("Möchten Sie die Datenbank \"Liga 2004\" wirklich löschen?"));
  dialog.List()->setCurrentRow(0);
  dialog.findChild<QPushButton*>("deleteDatabase")->click();  // Yes
  EXPECT_FALSE(fs::exists(Root() + "/alt"));
  EXPECT_EQ(Listed(*dialog.List()), QStringList{"Liga 2004"});
  EXPECT_TRUE(dialog.findChild<QPlainTextEdit*>("comment")->toPlainText().isEmpty());

  dialog.List()->setCurrentRow(0);
  dialog.Open();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.ChosenFolder(), ResolvePath(Root()) + "/Liga 2004");
}

TEST_F(DatabaseFoldersTest, TheNameCheckRefusesWhatTheFileSystemCannotTakeAndFindsNamesInAnyCase) {
  MakeDatabase("Meine Liga", "Kommentar der alten Liga");
  CDlgNewDatabase dialog(World(), DocumentsFolder(), [](CWorldDatabase&) { return true; });
  auto* name = dialog.NameField();
  auto* save = dialog.findChild<QPushButton*>("save");
  name->setText("a|b");
  EXPECT_TRUE(save->isEnabled());
  for (const char* bad : {"a:b", "a/b", "a\\b", "a\"b", "a*b", "a?b", "a<b", "a>b", ""}) {
    name->setText(bad);
    EXPECT_FALSE(save->isEnabled()) << bad;
  }
  // Typing an existing name in another case selects it and shows its comment.
  name->setText("MEINE liga");
  ASSERT_EQ(dialog.List()->currentRow(), 0);
  EXPECT_EQ(dialog.findChild<QPlainTextEdit*>("comment")->toPlainText(), "Kommentar der alten Liga");
  name->setText("Andere");
  EXPECT_EQ(dialog.List()->selectedItems().size(), 0);
  EXPECT_TRUE(dialog.findChild<QPlainTextEdit*>("comment")->toPlainText().isEmpty());

  // Picking from the list takes the name and offers the comment, unless one was typed.
  dialog.CommentField()->setPlainText("eigener Kommentar");
  dialog.List()->setCurrentRow(0);
  EXPECT_EQ(name->text(), "Meine Liga");
  EXPECT_EQ(dialog.CommentField()->toPlainText(), "eigener Kommentar");
}

TEST_F(DatabaseFoldersTest, SavingUnderAnExistingNameReplacesTheOldDatabaseOnlyOnceTheNewOneIsWritten) {
  MakeDatabase("Liga", "alt", "Badge.tga");
  const std::string before = World().Folder();

  // The save fails: the old database is back, whole, and the world stays where it was.
  EXPECT_EQ(SaveWorldAs(World(), DocumentsFolder(), "Liga", "neu", [](std::string_view) { return true; },
                        [](CWorldDatabase&) { return false; }),
            SaveAsOutcome::kSaveFailed);
  EXPECT_TRUE(fs::exists(Root() + "/Liga/Badge.tga"));
  std::ifstream description(Root() + "/Liga/Database.txt");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(description), {}), "alt");
  EXPECT_EQ(World().Folder(), before);
  EXPECT_EQ(std::distance(fs::directory_iterator(Root()), fs::directory_iterator()), 1);

  // Declined: nothing changes.
  EXPECT_EQ(SaveWorldAs(World(), DocumentsFolder(), "Liga", "neu", [](std::string_view) { return false; },
                        [](CWorldDatabase&) { return true; }),
            SaveAsOutcome::kDeclined);
  EXPECT_TRUE(fs::exists(Root() + "/Liga/Badge.tga"));

  // Saved: the whole old folder, badges included, is replaced by the new database.
  EXPECT_EQ(SaveWorldAs(World(), DocumentsFolder(), "Liga", "neu", [](std::string_view) { return true; },
                        [](CWorldDatabase& w) {
                          testing::RecordingSaveReporter errors;
                          return w.Save(errors);
                        }),
            SaveAsOutcome::kSaved);
  EXPECT_FALSE(fs::exists(Root() + "/Liga/Badge.tga"));
  EXPECT_TRUE(fs::exists(Root() + "/Liga/Country14.sav"));
  EXPECT_EQ(std::distance(fs::directory_iterator(Root()), fs::directory_iterator()), 1);
  EXPECT_EQ(World().Name(), "liga");
}

}  // namespace torvale
