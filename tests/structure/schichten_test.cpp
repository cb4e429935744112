#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

// The folders of src/ stack: an include points only down, so no folder
// includes a folder that includes it back, directly or around a loop.

namespace fs = std::filesystem;

namespace {

using Graph = std::map<std::string, std::set<std::string>>;

// Folder -> folders its files include ("folder/file.h").
Graph includeGraph(const fs::path& src) {
    Graph graph;
    const std::regex include(R"(^\s*#\s*include\s*"([^/"]+)/[^"]+")");
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        const fs::path& file = entry.path();
        if (!entry.is_regular_file() || (file.extension() != ".cpp" && file.extension() != ".h")) {
            continue;
        }
        const std::string folder = fs::relative(file, src).begin()->string();
        graph[folder];
        std::ifstream in(file);
        std::string line;
        std::smatch match;
        while (std::getline(in, line)) {
            if (std::regex_search(line, match, include) && match[1] != folder) {
                graph[folder].insert(match[1]);
            }
        }
    }
    return graph;
}

// A loop of folders, as "a -> b -> a", or empty when there is none.
std::string findLoop(const Graph& graph) {
    std::map<std::string, int> state; // 0 new, 1 on the path, 2 done
    std::vector<std::string> path;
    std::string loop;
    std::function<bool(const std::string&)> visit = [&](const std::string& node) {
        state[node] = 1;
        path.push_back(node);
        const auto edges = graph.find(node);
        if (edges != graph.end()) {
            for (const std::string& next : edges->second) {
                if (state[next] == 1) {
                    auto from = std::find(path.begin(), path.end(), next);
                    for (; from != path.end(); ++from) {
                        loop += *from + " -> ";
                    }
                    loop += next;
                    return true;
                }
                if (state[next] == 0 && visit(next)) {
                    return true;
                }
            }
        }
        path.pop_back();
        state[node] = 2;
        return false;
    };
    for (const auto& [node, edges] : graph) {
        if (state[node] == 0 && visit(node)) {
            break;
        }
    }
    return loop;
}

} // namespace

TEST(Schichten, NoLoopIsFoundInAMadeUpGraph) {
    EXPECT_EQ(findLoop({{"app", {"drill", "ui"}}, {"drill", {"ui"}}, {"ui", {}}}), "");
    EXPECT_EQ(findLoop({{"app", {"drill"}}, {"drill", {"keyboard"}}, {"keyboard", {"drill"}}}),
              "drill -> keyboard -> drill");
}

TEST(Schichten, TheFoldersOfSrcIncludeOnlyDownwards) {
    const Graph graph = includeGraph(fs::path(KASPARO_SOURCE_DIR) / "src");
    ASSERT_GE(graph.size(), 8u);
    EXPECT_EQ(findLoop(graph), "");
    // The toolkit layer is the floor: it includes no folder of the program.
    EXPECT_TRUE(graph.at("ui").empty());
}
