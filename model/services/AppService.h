#pragma once
// What the records need of the application object: the running data
// checksum and the program folder. Implemented by the shell's application;
// programs without one (the data tool, the headless harness) and tests use
// CDetachedAppService.

#include <cstdint>
#include <string>

#include "model/DataChecksum.h"

class CFont;
class CPalette;

class IAppService {
public:
    virtual ~IAppService() = default;
    virtual CDataChecksum& DataChecksum() = 0;
    // The program folder with a trailing separator.
    virtual std::string GetProgramDirectory() = 0;
    // The game palette that pictures are drawn with; nullptr when there is
    // none (pictures then draw in their own colours).
    virtual CPalette* GetPalette() = 0;
    // The system clock: seconds since 1970-01-01 00:00 UTC.
    virtual int64_t GetUtcTime() = 0;
    // What the drawing helpers draw text with: the standard font (the
    // message font; nullptr when there is none, and the context's own font
    // is used) and the standard character width (the layout width).
    virtual CFont* GetStandardFont() = 0;
    virtual int GetStandardCharWidth() = 0;
    // The speed class of the system: 300 for a current one. The drawing of
    // button faces follows it.
    virtual int GetSpeedClass() = 0;
};

// An application service of its own: a checksum and the platform's program
// folder.
class CDetachedAppService : public IAppService {
public:
    CDataChecksum& DataChecksum() override { return m_checksum; }
    std::string GetProgramDirectory() override;
    CPalette* GetPalette() override { return nullptr; }
    int64_t GetUtcTime() override;
    CFont* GetStandardFont() override { return nullptr; }
    int GetStandardCharWidth() override { return 0; }
    int GetSpeedClass() override { return kSpeedClassCurrent; }

    static constexpr int kSpeedClassCurrent = 300;

private:
    CDataChecksum m_checksum;
};
