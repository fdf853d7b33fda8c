#pragma once
// The chat line of the network window: Enter sends it (as "Send" does).

#include "platform/ui/Edit.h"

namespace judge {

class CNetworkMessageEdit : public CEdit {
public:
    static constexpr int kLimit = 128;

protected:
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
};

}  // namespace judge
