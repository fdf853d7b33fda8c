#pragma once
// The judgment without windows: load the judgment data file, judge every
// step, write JUDGE.TXT and the history files into the program folder.
// The same steps as the announcement; nothing is shown and nothing is sent.

#include <iosfwd>
#include <string>

namespace judge {

class CReportOnlyRun {
public:
    // The file of the command line, or QORDIN.mqd in the program folder
    // when empty. 0 when the report was written; 1 after a line on the
    // error stream when the file cannot be judged or the report cannot be
    // written (nothing is written then). The input file is never removed.
    static int Run(const std::string& file, std::ostream& errors);
};

}  // namespace judge
