#pragma once
// Saving a database as a whole. Its files refer to each other by club numbers that every save
// renumbers, so a folder holding some new and some old files is a corrupt world. A save
// therefore stages every file under a temporary name (synced to the disk), then writes a
// small commit record listing the renames, renames all, and removes the record. Whoever finds
// a record later (a load or a save after a kill or a power cut) finishes the renames: the
// record exists only once every new file is complete on disk, so the folder always ends up
// entirely old or entirely new.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace torvale {

// The commit record in a database folder while a save renames its files.
constexpr std::string_view kCommitRecordName = "Database.commit";

// True for the names of the files a database folder holds (any letter case): the country
// files, "Rules.sav", "Without.sav", and the commit record.
bool IsDatabaseFileName(std::string_view name);

class DatabaseCommit {
 public:
  // `folder`: the database folder as it is accessed (not lower-cased).
  explicit DatabaseCommit(std::string folder);
  DatabaseCommit(const DatabaseCommit&) = delete;
  DatabaseCommit& operator=(const DatabaseCommit&) = delete;
  ~DatabaseCommit();  // discards what was staged but not committed

  // A complete temporary file (CKLFile::CloseStaged, not necessarily synced) that is to
  // replace `target`.
  void Add(std::string stagedPath, std::string target);
  // Makes every staged file current at once. False when the commit record could not be
  // written (nothing renamed, temporaries removed) or a rename failed (the record stays, so
  // that the next load or save finishes the renames).
  bool Commit();
  // Removes every staged file.
  void Discard();
  // Whether Commit would replace anything.
  bool HasStaged() const { return !staged_.empty(); }

 private:
  bool WriteRecord() const;
  bool SyncStaged() const;

  std::string folder_;
  // Temporary and target, both as paths.
  std::vector<std::pair<std::string, std::string>> staged_;
};

enum class CommitRecovery {
  kNothing,        // no commit record
  kRolledForward,  // an interrupted save was completed
  kRolledBack,     // an unfinished record was found: its temporaries were removed
};

// Completes or undoes a save that was interrupted in `folder`.
CommitRecovery RecoverInterruptedSave(const std::string& folder);

// Removes temporary files that killed saves left beside the database's files; returns how
// many. Other files are never touched.
int RemoveStaleTemporaries(const std::string& folder);

}  // namespace torvale
