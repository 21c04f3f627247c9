#pragma once

#include <QString>
#include <QToolButton>
#include <QWidget>
#include <array>
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
class DbNavigator : public QWidget, public DataLink {
    Q_OBJECT
public:
    explicit DbNavigator(QWidget* parent = nullptr);

    void SetHints(const NavigatorHints& hints);
    void SetButtonVisible(NavButton button, bool visible);
    void SetDeleteQuestion(std::string text, std::string caption);
    QToolButton* Button(NavButton button) const { return m_buttons[static_cast<int>(button)]; }

protected:
    void Refresh() override;
    void Changed(const engine::DatasetChange& change) override;
    void Detached() override { Refresh(); }

private:
    void Press(NavButton button);

    std::array<QToolButton*, kNavButtonCount> m_buttons{};
    std::string m_deleteQuestion = "Czy usunąć bieżący rekord?";
    std::string m_deleteCaption = "Potwierdzenie";
};

}  // namespace mirta::kit
