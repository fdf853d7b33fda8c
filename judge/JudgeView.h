#pragma once
// What the preparation asks of the judgment's view, when the document has
// one; the run without windows has none.

namespace judge {

class IJudgeView {
public:
    virtual ~IJudgeView() = default;
    virtual bool CreatePanes() = 0;
};

}  // namespace judge
