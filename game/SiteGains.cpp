#include "game/SiteGains.h"

std::vector<CSiteGains::SGain>& CSiteGains::Row(int area, CCellPoint site) {
    std::vector<SGain>& row = m_rows[{area, site.y, site.x}];
    if (row.empty()) row.resize(static_cast<size_t>(m_typeCount));
    return row;
}
