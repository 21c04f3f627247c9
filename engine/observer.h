#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace mirta::engine {

// Keeps an observer registered for as long as it lives. Safe to outlive what it observes.
class Subscription {
public:
    Subscription() = default;
    explicit Subscription(std::function<void()> cancel) : m_cancel(std::move(cancel)) {}
    Subscription(Subscription&& o) noexcept : m_cancel(std::exchange(o.m_cancel, nullptr)) {}
    Subscription& operator=(Subscription&& o) noexcept {
        if (this != &o) {
            Reset();
            m_cancel = std::exchange(o.m_cancel, nullptr);
        }
        return *this;
    }
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    ~Subscription() { Reset(); }

    // Unregisters now.
    void Reset() {
        if (m_cancel)
            std::exchange(m_cancel, nullptr)();
    }

private:
    std::function<void()> m_cancel;
};

// Observers of one kind of event, notified in registration order. An observer may unsubscribe
// (itself or others) while being notified.
template <typename Event>
class ObserverList {
public:
    ObserverList() : m_state(std::make_shared<State>()) {}

    Subscription Add(std::function<void(const Event&)> observer) {
        const uint64_t id = ++m_state->nextId;
        m_state->entries.push_back(
            {id, std::make_shared<std::function<void(const Event&)>>(std::move(observer))});
        std::weak_ptr<State> weak = m_state;
        return Subscription([weak, id] {
            if (auto state = weak.lock()) {
                std::erase_if(state->entries, [id](const Entry& e) { return e.id == id; });
            }
        });
    }

    void Notify(const Event& event) const {
        // Copies, so that (un)subscribing, or destroying the list, during a notification is
        // harmless.
        const std::shared_ptr<State> state = m_state;
        const std::vector<Entry> entries = state->entries;
        for (const Entry& e : entries) {
            if (Alive(*state, e.id))
                (*e.observer)(event);
        }
    }

    bool Empty() const { return m_state->entries.empty(); }

private:
    struct Entry {
        uint64_t id;
        std::shared_ptr<std::function<void(const Event&)>> observer;
    };
    struct State {
        uint64_t nextId = 0;
        std::vector<Entry> entries;
    };

    static bool Alive(const State& state, uint64_t id) {
        for (const Entry& e : state.entries) {
            if (e.id == id)
                return true;
        }
        return false;
    }

    std::shared_ptr<State> m_state;
};

}  // namespace mirta::engine
