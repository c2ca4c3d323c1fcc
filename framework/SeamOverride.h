#pragma once
// Saves a set of test replacements when constructed and puts it back when
// destroyed, so that a test's replacements never outlive the test:
//
//     Seams::Override seams;
//     seams->sleep = [&](DWORD ms) { slept += ms; };
template <typename Hooks, Hooks& (*CurrentHooks)()>
class SeamOverride
{
public:
    SeamOverride() : m_saved(CurrentHooks()) {}
    ~SeamOverride() { CurrentHooks() = m_saved; }
    SeamOverride(const SeamOverride&) = delete;
    SeamOverride& operator=(const SeamOverride&) = delete;
    Hooks* operator->() { return &CurrentHooks(); }

private:
    Hooks m_saved;
};
