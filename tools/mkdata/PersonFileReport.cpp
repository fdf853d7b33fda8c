#include "tools/mkdata/PersonFileReport.h"

#include <new>

#include "model/MercavoError.h"
#include "model/PersonDataFile.h"
#include "model/services/Services.h"
#include "platform/core/ArchiveException.h"
#include "platform/core/TextFormat.h"

namespace {
// A map that no file has filled asks for these.
constexpr int kDirectorsNeeded = 14;
constexpr int kGovernorsNeeded = 10;

std::string Summary(const std::string& path, const CPersonDataFile& file) {
    std::string text = FormatText(
        "%s: character data file\n"
        "  persons: %d (director table %d, %d of them in the first year; governors %d)\n"
        "  author: \"%s\", mark of %d bytes\n"
        "  checksum: %d\n",
        path.c_str(), file.GetPersonCount(), file.GetDirectorCount(), file.GetFirstYearCandidates(),
        file.GetGovernorCount(), file.GetAuthorName().c_str(),
        static_cast<int>(file.GetAuthorMark().size()), file.GetStoredChecksum());
    const char* shortage = file.FindShortage(kDirectorsNeeded, kGovernorsNeeded);
    text += shortage
                ? FormatText("  new game (%d directors, %d governors needed): Insufficient %s.\n",
                             kDirectorsNeeded, kGovernorsNeeded, shortage)
                : FormatText("  new game (%d directors, %d governors needed): enough persons\n",
                             kDirectorsNeeded, kGovernorsNeeded);
    return text;
}
}  // namespace

bool CPersonFileReport::Describe(const std::string& path, std::string& text) {
    CDetachedAppService app;
    auto scoped = ScopedApp(&app);
    CPersonDataFile file;
    try {
        if (!file.LoadFile(path)) {
            text = path + ": cannot be opened\n";
            return false;
        }
    } catch (eMERCAVO_ERROR e) {
        text = path + ": " + GetMercavoErrorText(e) + "\n";
        return false;
    } catch (const CArchiveException& e) {
        text = path + ": " + e.what() + "\n";
        return false;
    } catch (const std::bad_alloc&) {
        text = path + ": " + GetMercavoErrorText(eMERCAVO_ERROR_MEMORY) + "\n";
        return false;
    }
    text = Summary(path, file);
    return true;
}
