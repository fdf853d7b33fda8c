// MERCAVO_NET_TRACE: one line per record, readable even for a broken header.

#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "model/NetTrace.h"
#include "network/WirePeer.h"

TEST(NetTrace, WritesOneLinePerRecord) {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("mercavo_trace_" + std::to_string(getpid()) + ".txt"))
                                 .string();
    std::filesystem::remove(path);
    setenv("MERCAVO_NET_TRACE", path.c_str(), 1);
    {
        CNetTrace trace;
        trace.Write("send", 3, 7, MakeRecord(400, 1, 23, "", '+'));
        trace.Write("recv", -1, 0, MakeRecord(0, 0, 10));
        NetRecordBytes broken = MakeRecord(400, 0, 0);
        broken[0] = 'x';
        broken[9] = 'z';
        trace.Write("recv", 2, 11, broken);
    }
    unsetenv("MERCAVO_NET_TRACE");
    std::ifstream in(path);
    std::string line;
    std::vector<std::string> lines;
    while (std::getline(in, line)) lines.push_back(line);
    std::filesystem::remove(path);
    EXPECT_EQ(lines, (std::vector<std::string>{"send 3 7 Q 400 01 023", "recv -1 0 I 000 00 010",
                                               "recv 2 11 ? 4?0 00 000"}));
}
