#pragma once

#include "print/job/JobHost.h"
#include "print/job/ScaleNumbers.h"
#include "print/job/StripInputs.h"

#include <QString>

/// One press of a print button, from the size entry to the ended page: validation, the page
/// layout of strips, index cards and caption lines per circle set, the status reports and the two
/// failure regions. The concrete job supplies its controls, labels and scale drawing. Twips.
class PrintJob {
public:
    virtual ~PrintJob() = default;
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    void run();

protected:
    /// The controls a job reads its size from, and when it shows its progress text.
    struct Entry {
        SizeText sizeText;
        Option mmOption; ///< selected: millimetres; otherwise inches
        Option lengthOption; ///< selected: the size is the strip length; otherwise the axis diameter
        bool statusBeforeConversion; ///< progress text before the entry is converted, or after
    };

    /// Degrees captions name the smallest mark; hours captions name the marks by their time.
    enum class Graduation { Degrees, Hours };

    using ScaleDrawer = void (*)(PrintSurface&, PagePosition&, const StripInputs&, const ScaleNumbers&);

    /// What the job prints, fixed once the printer has been chosen.
    struct Mode {
        QString circleLabel; ///< starts messages and the caption line
        QString cardText; ///< the index cards' text
        QString progress; ///< the status text while printing
        Graduation graduation = Graduation::Degrees;
        ScaleNumbers numbers;
        ScaleDrawer draw = nullptr;
    };

    PrintJob(SettingsModel& model, JobHost& host, PagePosition& position, const Entry& entry);

    virtual Mode mode() const = 0;

    SettingsModel& model() const { return m_model; }

private:
    struct Size {
        double entry = 0; ///< as typed, in its own unit and sense
        bool inches = false;
        double sizeMm = 0; ///< strip length
        qint16 minSize = 0; ///< smallest entry, in the entry's unit and sense
        QString units;
    };

    void showProgress(const QString& text);
    void showError(const QString& text);
    void focusEntry();
    Size readSize() const;
    void printPage(PrintSurface& surface, const Mode& mode, const Size& size, double lengthTw);
    StripInputs stripInputs(int set, double lengthTw) const;
    void printSet(PrintSurface& surface, const Mode& mode, const StripInputs& inputs, bool blackOnWhite,
        bool whiteOnBlack);
    void printCard(PrintSurface& surface, const QString& text, Rgb ink, Rgb paper);
    QString caption(const Mode& mode, const Size& size, const StripInputs& inputs) const;

    SettingsModel& m_model;
    JobHost& m_host;
    PagePosition& m_position;
    Entry m_entry;
};
