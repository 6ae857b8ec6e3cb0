#pragma once

#include <QtWidgets/QMenu>

// The Help menu's choice of language: each language in its own name, the
// one chosen checked. The choice is kept for the next start, since the
// window makes its texts once.
class LanguageMenu : public QMenu {
    Q_OBJECT

public:
    explicit LanguageMenu(QWidget* parent);
};
