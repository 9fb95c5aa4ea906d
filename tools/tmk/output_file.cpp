#include "tools/tmk/output_file.h"

#include "base/base_file.h"

namespace timyanka::tmk {

std::string WriteMessage(base::WriteStatus status) {
    base::SaveResult r;
    switch (status) {
    case base::WriteStatus::Ok:
        return {};
    case base::WriteStatus::CannotCreate:
        r.status = base::SaveStatus::CannotCreate;
        break;
    case base::WriteStatus::CannotWrite:
        r.status = base::SaveStatus::CannotWrite;
        break;
    }
    return base::SaveMessage(r, {});
}

bool WriteOutputFile(const std::string& path, std::string_view bytes, std::ostream& err,
                     base::Backup backup) {
    const base::WriteStatus status = base::WriteFileSafely(path, bytes, backup);
    if (status != base::WriteStatus::Ok) {
        err << path << ": " << WriteMessage(status) << '\n';
        return false;
    }
    return true;
}

bool SaveBaseFile(const std::string& path, std::span<const base::TRecept> recepts,
                  std::ostream& err) {
    if (recepts.empty()) {
        return WriteOutputFile(path, base::SerializeBase({}), err, base::Backup::KeepOld);
    }
    const base::SaveResult saved = base::SaveRecepts(recepts, path);
    if (saved.status != base::SaveStatus::Ok) {
        err << path << ": " << base::SaveMessage(saved, path) << '\n';
        return false;
    }
    return true;
}

} // namespace timyanka::tmk
