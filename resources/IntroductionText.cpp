#include "resources/IntroductionText.h"

namespace mercavo_resources {

const std::vector<SIntroLine>& IntroductionLines() {
    using F = EIntroFont;
    static const std::vector<SIntroLine> lines = {
        {F::Message2, "You have been appointed as the new president."},
        {F::Font3, ""},
        {F::Message, "Your mission encompasses leading your company and director into new markets"},
        {F::Message, "while contributing to the community."},
        {F::Font3, ""},
        {F::Message,
         "In the first seven weeks you must raise capital, hire director, and advertise."},
        {F::Font3, ""},
        {F::Message, "Inadequate capital."},
        {F::Message, "Raise additional capital to insure company success."},
        {F::Font3, ""},
        {F::Message, "Advertising raises public awareness, sales, and attracts new employees,"},
        {F::Message, "but requires funds."},
        {F::Font3, ""},
        {F::Message, "Without director you can not begin."},
        {F::Message, "Do not waste time getting good director."},
        {F::Font3, ""},
        {F::Message2, "Initiate company founding schedule."},
        {F::Message2, "Begin Game!"},
        {F::Font3, ""},
        {F::Message, "Create profit by buying land and constructing desirable buildings."},
        {F::Message, "Construction requires adequate employees."},
        {F::Font3, ""},
        {F::Message, "Making a profit takes time so focus on one area in the beginning."},
        {F::Message, "Once a cash cow has been established then expand into other areas."},
        {F::Font3, ""},
        {F::Message, "Monthly progress gets displayed."},
        {F::Message,
         "Select \"End Operations\" to finish activities and progress to the next month."},
        {F::Font3, ""},
        {F::Message, "Upon completing selected game years"},
        {F::Message, "company results will be evaluated and ranked."},
        {F::Font3, ""},
        {F::Message2, "Lets begin!"},
    };
    return lines;
}

}  // namespace mercavo_resources
