#pragma once
// Checks a help page as the program folder holds it: UTF-8 HTML5 with a
// doctype, every element closed in the order it was opened (the empty
// elements excepted), attribute values quoted, and every link, stylesheet
// and picture a relative path to a file inside the help folder (a
// fragment must name an id of its page). Nothing may be fetched from
// outside.

#include <string>

class CHtmlCheck {
public:
    // Checks page (a file name inside folder, which ends in '/'); false
    // with the first fault, in a sentence with its line, in problems.
    static bool CheckFile(const std::string& folder, const std::string& page,
                          std::string& problems);
    // The same for a page's text; links resolve inside folder.
    static bool CheckText(const std::string& folder, const std::string& text,
                          std::string& problems);
};
