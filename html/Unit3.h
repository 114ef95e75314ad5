#pragma once
#include <QWidget>

// The floating HTML tag toolbar. Created once at start, shown and hidden.
class THTMLToolbar : public QWidget {
    Q_OBJECT
public:
    explicit THTMLToolbar(QWidget* parent = nullptr);

    int SavedLeft = 0;
    int SavedTop = 0;

    // Shows the toolbar at its remembered place.
    void ShowAtSavedPosition();
    // Remembers the current place, e.g. at shutdown.
    void RememberPosition();
};
