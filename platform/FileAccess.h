#pragma once
// The one way the files of the data folder are opened, read and replaced. A file is opened
// without following a link and without waiting (a FIFO would hold the program forever), and
// only a regular file is read or replaced; anything else under a file's name (a FIFO, a
// device, a folder, a link) is "unreadable": the caller names it and goes on with defaults,
// and no save ever writes over it or through it.

#include <string>

namespace lenvari {

// What reading a data file found. "Missing" and "unreadable" are told apart: a missing file
// may be created from defaults, but a file that exists and cannot be read (no permission, an
// I/O error, a FIFO or a folder under that name, a link) still holds the examiner's data and
// must not be replaced.
struct FileRead {
  enum class Status { Missing, Unreadable, Read };
  Status status = Status::Missing;
  std::string bytes;   // the content when read
  std::string reason;  // why it could not be read
  bool Read() const { return status == Status::Read; }
};
FileRead ReadDataFile(const std::string& path);

// What stands under `path` when it is not a regular file, in the examiner's words ("a FIFO
// (named pipe)", "a link", "a folder", "a device"), without following a link; "" for a regular
// file or nothing at all.
std::string NotARegularFile(const std::string& path);

// Opens `path` for reading by the rule above: a descriptor of a regular file, or -1 with
// `read` telling missing from unreadable. POSIX only; the caller closes the descriptor.
int OpenRegularFile(const std::string& path, FileRead& read);

// Writes the bytes to a temporary file of a fresh name in the same folder, created
// exclusively (a file or link planted under that name is never opened), flushes it to the
// disk, renames it over `path` and flushes the folder, so a crash, a power cut or a full disk
// leaves the previous file or the new one whole. A file that already holds these bytes is left
// alone. False on failure, with the reason in `reason`; nothing at `path` has changed then.
// Nothing is written over a `path` that is not a regular file.
bool WriteFileAtomically(const std::string& path, const std::string& bytes,
                         std::string* reason = nullptr);

// The temporary name a save of `target` writes first: `target` + "." + eight hexadecimal
// digits + ".tmp", fresh for every save.
std::string TemporaryNameFor(const std::string& target);
// Whether a file name is such a temporary name (of whatever file).
bool IsTemporaryName(const std::string& name);

// Makes a file that another writer has completed under a temporary name durable: flushes it,
// renames it over `target` and flushes the folder. The temporary file is removed on failure.
bool ReplaceWithFlushed(const std::string& temporary, const std::string& target,
                        std::string* reason = nullptr);

}  // namespace lenvari
