// The base file (*.tmk): a little-endian count followed by recipe records. Parsing and
// serialising work on memory; LoadBase and SaveBase tie them to files and to the store.
#pragma once

#include "base/file_io.h"
#include "base/recept.h"
#include "base/recept_store.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace timyanka::base {

// Longest name or line a base file can hold (its length field counts one zero byte more).
inline constexpr std::size_t kMaxStoredString = 255;

enum class ParseStatus { Ok, Malformed, TooManyRecepts };

// Why a file is malformed, for tools that explain it.
enum class ParseFault {
    None,
    NegativeCount,
    TooManyRecepts,
    BadStringLength,
    MissingZeroByte,
    NegativeLineCount,
    Truncated,
};

struct ParseResult {
    ParseStatus status = ParseStatus::Ok;
    ParseFault fault = ParseFault::None;
    std::size_t offset = 0; // where the file goes wrong
    int32_t record = -1;    // the record being read then (-1: the count)
    int64_t value = 0;      // the offending count or length
};

// Parses a whole base file. On success `out` holds the recipes with Ids set and marks
// cleared; on failure `out` is left empty. Never reads outside `bytes`.
ParseResult ParseBase(std::string_view bytes, int32_t capacity, std::vector<TRecept>& out);

// A short Russian (UTF-8) explanation of a fault, for `tmk check`.
std::string DescribeFault(const ParseResult& r);

enum class LoadStatus { Ok, CannotOpen, Malformed, TooManyRecepts };

struct LoadResult {
    LoadStatus status = LoadStatus::Ok;
    ParseResult parse;
};

// Reads a base file whole. Only a well-formed file replaces the store (marks cleared); any
// failure leaves the store exactly as it was.
LoadResult LoadBase(ReceptStore& store, const std::string& path);

// The same for the contents of a file already in memory.
LoadResult LoadBaseBytes(ReceptStore& store, std::string_view bytes);

// Reads a whole base file into `out` without touching any store (used by the merge).
LoadResult ReadBaseFile(const std::string& path, int32_t capacity, std::vector<TRecept>& out);

// The message the program shows for a failed load (UTF-8); empty for Ok.
std::string LoadMessage(LoadStatus status, int32_t capacity);

enum class RecordField { Name, Ingridient, Text };

struct TooLongString {
    int32_t id = -1; // the recipe's Id, -1 when all fit
    RecordField field = RecordField::Name;
    int32_t line = 0; // the line index within the field
    std::size_t length = 0;
};

// Finds the first name or line that does not fit the format.
TooLongString FindTooLongString(std::span<const TRecept> recepts);

// The file image of these recipes, in this order. Strings must fit (FindTooLongString).
std::string SerializeBase(std::span<const TRecept> recepts);

// The same image handed to `sink` a megabyte at a time, as a save writes it; false when the
// sink refused a piece (nothing more is handed on then).
bool WriteBase(std::span<const TRecept> recepts, FileSink& sink);

enum class SaveStatus { Ok, NothingToSave, StringTooLong, CannotCreate, CannotWrite };

struct SaveResult {
    SaveStatus status = SaveStatus::Ok;
    TooLongString tooLong; // for StringTooLong
    std::string name;      // the name of the recipe that does not fit (Windows-1251)
};

// Writes the recipes to `path` so that the previous file survives every failure: a
// temporary file beside it, flushed, then renamed over it. The file it replaces is kept
// beside it as BackupPath(path), "<name>.bak", one save deep; a backup that cannot be made
// fails the save (CannotWrite) before the file is touched. An empty list writes nothing.
SaveResult SaveRecepts(std::span<const TRecept> recepts, const std::string& path);

inline SaveResult SaveBase(const ReceptStore& store, const std::string& path) {
    return SaveRecepts(store.Recepts(), path);
}

// The message the program shows after a save (UTF-8); empty for NothingToSave.
std::string SaveMessage(const SaveResult& result, const std::string& path);

} // namespace timyanka::base
