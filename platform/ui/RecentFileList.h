#pragma once
// The recent-file list: up to eight paths, the latest first, kept in the
// profile ("Recent File List", "File1".."File8") and shown in a menu in
// place of the item of the first command (ID_FILE_MRU_FILE1), as "&1 name"
// and so on; an empty list shows that item greyed.

#include <string>
#include <vector>

#include "platform/ui/WinDefs.h"

class CMenu;
class CProfile;

constexpr UINT ID_FILE_MRU_FILE1 = 57616;

class CRecentFileList {
public:
    CRecentFileList(CProfile* profile, std::string section = "Recent File List",
                    std::string entryFormat = "File%d", int size = 8,
                    UINT firstCommand = ID_FILE_MRU_FILE1);

    // Puts the path first (moving it up when it is already there).
    void Add(const std::string& path);
    void Remove(int index);
    int GetSize() const { return m_size; }
    int GetCount() const { return static_cast<int>(m_paths.size()); }
    // "" for an index without a file.
    std::string operator[](int index) const;
    UINT FirstCommand() const { return m_first; }

    void ReadList();
    void WriteList() const;
    // Rewrites the items of the list in a pop-up that holds them.
    void UpdateMenu(CMenu* popup) const;

private:
    std::string Key(int index) const;

    CProfile* m_profile;
    std::string m_section;
    std::string m_format;
    int m_size;
    UINT m_first;
    std::vector<std::string> m_paths;
};
