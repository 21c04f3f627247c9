#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QToolButton>
#include <QWidget>
#include <array>
#include <optional>
#include <string>

#include "kit/data_source.h"

namespace mirta::kit {

enum class NavButton { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh };
inline constexpr int kNavButtonCount = 10;

// Hints in button order; a window gives the record's own wording ("Dodaj urlop").
using NavigatorHints = std::array<QString, kNavButtonCount>;
NavigatorHints DefaultNavigatorHints();

// The ten record buttons over a data source, enabled by the dataset's state and position.
// Buttons are named first, prior, next, last, insert, delete, edit, post, cancel, refresh.
// Delete asks first; every operation stores the controls' pending text and runs guarded.
//
// The keys of a clerk work wherever the cursor is in the navigator's area (its parent widget,
// the areas added, and every control bound to its data source): Insert or Ctrl+N adds, Ctrl+S
// or F2 saves, Esc cancels the changes of an edited record, Ctrl+Delete deletes after the
// question. A record just added gets the cursor in its first field.
class DbNavigator : public QWidget, public DataLink {
    Q_OBJECT
public:
    explicit DbNavigator(QWidget* parent = nullptr);
    ~DbNavigator() override;

    // The hints get the button's keys appended ("Dodaj urlop (Insert, Ctrl+N)").
    void SetHints(const NavigatorHints& hints);
    // Another widget whose controls the navigator's keys serve (a list laid out apart).
    void AddKeyArea(QWidget* area);
    // The button the key stands for; nullopt for other keys.
    static std::optional<NavButton> ButtonForKey(int key, Qt::KeyboardModifiers modifiers);
    // Whether the navigator serves keys typed into `w`.
    bool Serves(const QWidget& w) const;
    // Presses the button as a click would; false when it is hidden or disabled.
    bool PressByKey(NavButton button);
    void SetButtonVisible(NavButton button, bool visible);
    void SetDeleteQuestion(std::string text, std::string caption);
    QToolButton* Button(NavButton button) const { return m_buttons[static_cast<int>(button)]; }

protected:
    void Refresh() override;
    void Changed(const engine::DatasetChange& change) override;
    void Detached() override { Refresh(); }

private:
    void Press(NavButton button);
    void FocusFirstField();

    std::array<QToolButton*, kNavButtonCount> m_buttons{};
    std::string m_deleteQuestion = "Czy usunąć bieżący rekord?";
    std::string m_deleteCaption = "Potwierdzenie";
    QList<QPointer<QWidget>> m_keyAreas;
};

}  // namespace mirta::kit
