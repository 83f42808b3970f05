// The yardstick for quillon-calc's batch speed: reads one JSON object a line with RapidJSON and
// writes it back compact, the least a tool with JSON in and JSON out does for a line.
#include <rapidjson/document.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <cstdio>
#include <cstdlib>

int main() {
    char *line = nullptr;
    std::size_t capacity = 0;
    rapidjson::StringBuffer text;
    for (ssize_t n; (n = getline(&line, &capacity, stdin)) > 0;) {
        rapidjson::Document document;
        document.Parse(line, static_cast<std::size_t>(n));
        text.Clear();
        rapidjson::Writer<rapidjson::StringBuffer> writer(text);
        document.Accept(writer);
        text.Put('\n');
        std::fwrite(text.GetString(), 1, text.GetSize(), stdout);
    }
    std::free(line);
    return 0;
}
