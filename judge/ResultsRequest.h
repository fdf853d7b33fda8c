#pragma once
// "Contribution Results": the player's score sent to the results page by
// opening its address, with the results as the query, in the browser.

#include <functional>
#include <string>

namespace judge {

class CArboDoc;

class CResultsRequest {
public:
    // The results page of our build: none.
    static constexpr const char* kResultsPage = "";

    // The question to the player: true for OK. A message box unless a test
    // answers.
    using Confirm = std::function<bool(const std::string& question)>;
    static bool AskPlayer(const std::string& question);

    // Asks the player and opens the page at the address; false when nothing
    // was opened (no address, or Cancel).
    static bool Send(const CArboDoc& doc, const std::string& address = kResultsPage,
                     const Confirm& confirm = AskPlayer);
};

}  // namespace judge
