#pragma once

#include "app/printer/PageSetupBackend.h"

class QWidget;

/// Qt's QPageSetupDialog on a printer of that name (the PDF printer for the built-in one).
class QtPageSetupBackend : public PageSetupBackend {
public:
    explicit QtPageSetupBackend(QWidget* parent = nullptr);
    std::optional<PaperChoice> exec(const QString& deviceName, const PaperChoice& current) override;

private:
    QWidget* m_parent;
};
