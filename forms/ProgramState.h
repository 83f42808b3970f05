#pragma once

#include "taxengine/RememberedState.h"
#include "taxengine/TaxLookup.h"

#include <map>
#include <memory>
#include <typeindex>
#include <typeinfo>

namespace quillon {

// The program-wide records that outlive the calculator windows: the shared tax lookup and each
// calculator's remembered figures. One object owns them for the whole run and is passed to the
// windows; a test makes its own. A calculator's remembered figures are made the first time a
// window asks for them, and their reset is registered then, so this header knows no calculator.
class ProgramState {
public:
    ProgramState() {
        // The reset sets the last tax result to 0 and leaves the rest of the lookup, the income
        // included, as it was.
        remembered.add("tax lookup", [this] { taxLookup.TotalTax = 0; });
    }
    ProgramState(const ProgramState &) = delete;
    ProgramState &operator=(const ProgramState &) = delete;

    tax::TaxLookup taxLookup;
    RememberedState remembered;

    // The remembered figures of type Memory, one for the whole run. "Initialise All" puts them
    // back with their reset() (or a fresh Memory), unless the type says it is kept.
    template <class Memory> Memory &memory() {
        auto found = m_memories.find(std::type_index(typeid(Memory)));
        if (found == m_memories.end()) {
            auto made = std::make_shared<Memory>();
            Memory *held = made.get();
            found = m_memories.emplace(std::type_index(typeid(Memory)), std::move(made)).first;
            if constexpr (!keptOnInitialiseAll<Memory>()) {
                remembered.add(typeid(Memory).name(), [held] {
                    if constexpr (requires { held->reset(); })
                        held->reset();
                    else
                        *held = Memory{};
                });
            }
        }
        return *static_cast<Memory *>(found->second.get());
    }

    // Start-up and "Initialise All".
    void resetAll() { remembered.resetAll(); }

private:
    template <class Memory> static constexpr bool keptOnInitialiseAll() {
        if constexpr (requires { Memory::kKeptOnInitialiseAll; })
            return Memory::kKeptOnInitialiseAll;
        return false;
    }

    std::map<std::type_index, std::shared_ptr<void>> m_memories;
};

} // namespace quillon
