#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quillon {

// The shared reset of remembered calculator state. Calculators whose figures outlive their
// window register how to put them back to their reset values; start-up and "Initialise All"
// run every registered reset in the order they were added.
class RememberedState {
public:
    void add(std::string name, std::function<void()> reset) {
        m_resets.push_back({std::move(name), std::move(reset)});
    }

    void resetAll() const {
        for (const auto &entry : m_resets)
            entry.reset();
    }

    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto &entry : m_resets)
            out.push_back(entry.name);
        return out;
    }

private:
    struct Entry {
        std::string name;
        std::function<void()> reset;
    };
    std::vector<Entry> m_resets;
};

} // namespace quillon
