#include "tools/lab/balance_plot.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QSvgGenerator>
#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <vector>

namespace quintaro::lab {
namespace {

constexpr int kWidth = 960;
constexpr int kHeight = 540;
constexpr QMarginsF kMargins(84, 48, 24, 76);
constexpr int kTargetTicks = 6;

const std::array<QColor, 6> kTraceColours = {QColor(0x1f, 0x4e, 0x9c), QColor(0xc0, 0x39, 0x2b),
                                             QColor(0x27, 0x8e, 0x4a), QColor(0x8e, 0x44, 0xad),
                                             QColor(0xd3, 0x8b, 0x00), QColor(0x2c, 0x3e, 0x50)};
const QColor kBandColour(0xd6, 0xe6, 0xf5);
const QColor kGridColour(0xe4, 0xe4, 0xe4);

bool endsWith(const std::string& text, const std::string& suffix) {
    if (text.size() < suffix.size()) {
        return false;
    }
    return std::equal(suffix.rbegin(), suffix.rend(), text.rbegin(), [](char a, char b) {
        return a == std::tolower(static_cast<unsigned char>(b));
    });
}

// The axes' ranges and the mapping of coups and balances to the page.
class PlotFrame {
public:
    explicit PlotFrame(const BalancePlot& plot) {
        m_area = QRectF(QPointF(0, 0), QSizeF(kWidth, kHeight)).marginsRemoved(kMargins);
        auto low = static_cast<double>(plot.initialBalance);
        double high = low;
        for (const BalanceTrace& trace : plot.traces) {
            m_lastCoup = std::max(m_lastCoup, trace.coups());
            for (const BalanceSpan& span : trace.spans()) {
                low = std::min(low, static_cast<double>(span.low));
                high = std::max(high, static_cast<double>(span.high));
            }
        }
        if (plot.band) {
            m_lastCoup = std::max(m_lastCoup, plot.band->coups.back());
            low = std::min(low, *std::min_element(plot.band->low.begin(), plot.band->low.end()));
            high =
                std::max(high, *std::max_element(plot.band->high.begin(), plot.band->high.end()));
        }
        const double pad = std::max(1.0, (high - low) * 0.05);
        m_low = low - pad;
        m_high = high + pad;
        m_lastCoup = std::max<std::int64_t>(m_lastCoup, 1);
    }

    [[nodiscard]] double x(double coup) const {
        return m_area.left() + coup / static_cast<double>(m_lastCoup) * m_area.width();
    }
    [[nodiscard]] double y(double balance) const {
        return m_area.bottom() - (balance - m_low) / (m_high - m_low) * m_area.height();
    }
    [[nodiscard]] const QRectF& area() const { return m_area; }
    [[nodiscard]] std::int64_t lastCoup() const { return m_lastCoup; }
    [[nodiscard]] double low() const { return m_low; }
    [[nodiscard]] double high() const { return m_high; }

private:
    QRectF m_area;
    std::int64_t m_lastCoup = 0;
    double m_low = 0;
    double m_high = 0;
};

// A step of 1, 2 or 5 times a power of ten that cuts `range` into about kTargetTicks.
double tickStep(double range) {
    const double raw = range / kTargetTicks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (raw <= factor * power) {
            return factor * power;
        }
    }
    return 10.0 * power;
}

// The multiples of a tick step between `from` and `to`.
std::vector<double> ticks(double from, double to) {
    const double step = tickStep(to - from);
    std::vector<double> values;
    const auto last = static_cast<std::int64_t>(std::floor(to / step));
    for (auto k = static_cast<std::int64_t>(std::ceil(from / step)); k <= last; ++k) {
        values.push_back(static_cast<double>(k) * step);
    }
    return values;
}

void drawCoupAxis(QPainter& painter, const PlotFrame& frame) {
    const QRectF& area = frame.area();
    for (const double coup : ticks(0, static_cast<double>(frame.lastCoup()))) {
        const double px = frame.x(coup);
        painter.setPen(kGridColour);
        painter.drawLine(QPointF(px, area.top()), QPointF(px, area.bottom()));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(px - 60, area.bottom() + 4, 120, 18), Qt::AlignHCenter,
                         QString::number(static_cast<qlonglong>(coup)));
    }
    painter.drawText(QRectF(area.left(), area.bottom() + 24, area.width(), 20), Qt::AlignHCenter,
                     QStringLiteral("coup"));
}

void drawBalanceAxis(QPainter& painter, const PlotFrame& frame) {
    const QRectF& area = frame.area();
    for (const double balance : ticks(frame.low(), frame.high())) {
        const double py = frame.y(balance);
        painter.setPen(kGridColour);
        painter.drawLine(QPointF(area.left(), py), QPointF(area.right(), py));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, py - 9, area.left() - 8, 18), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(balance, 'g', 12));
    }
    painter.save();
    painter.translate(16, area.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-area.height() / 2, -10, area.height(), 20), Qt::AlignHCenter,
                     QStringLiteral("balance (units)"));
    painter.restore();
}

void drawBand(QPainter& painter, const PlotFrame& frame, const BalancePlot& plot) {
    const BalanceBand& band = *plot.band;
    QPolygonF outline;
    outline << QPointF(frame.x(0), frame.y(static_cast<double>(plot.initialBalance)));
    for (std::size_t c = 0; c < band.coups.size(); ++c) {
        outline << QPointF(frame.x(static_cast<double>(band.coups[c])), frame.y(band.high[c]));
    }
    for (std::size_t c = band.coups.size(); c-- > 0;) {
        outline << QPointF(frame.x(static_cast<double>(band.coups[c])), frame.y(band.low[c]));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBandColour);
    painter.drawPolygon(outline);
    painter.setBrush(Qt::NoBrush);
}

// The line through the last balance of each span, and for spans that
// cover several coups a stroke from their lowest to their highest balance.
void drawTrace(QPainter& painter, const PlotFrame& frame, const BalanceTrace& trace,
               const QColor& colour) {
    QPainterPath line(QPointF(frame.x(0), frame.y(static_cast<double>(trace.initialBalance()))));
    QPainterPath strokes;
    for (const BalanceSpan& span : trace.spans()) {
        const double px = frame.x(static_cast<double>(span.lastCoup));
        line.lineTo(px, frame.y(static_cast<double>(span.last)));
        if (span.low != span.high) {
            strokes.moveTo(px, frame.y(static_cast<double>(span.low)));
            strokes.lineTo(px, frame.y(static_cast<double>(span.high)));
        }
    }
    painter.setPen(QPen(colour, 1.2));
    painter.drawPath(line);
    painter.drawPath(strokes);
}

// One row under the plot: a sample of each line or area, then its label.
void drawLegend(QPainter& painter, const PlotFrame& frame, const BalancePlot& plot) {
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    const QFontMetricsF metrics(painter.font());
    QPointF at(frame.area().left(), frame.area().bottom() + 52);
    const auto entry = [&](const QString& text, const auto& drawSample) {
        drawSample(QRectF(at.x(), at.y() - 5, 22, 10));
        painter.setPen(Qt::black);
        painter.drawText(at + QPointF(28, 4), text);
        at.rx() += 28 + metrics.horizontalAdvance(text) + 18;
    };
    for (std::size_t i = 0; i < plot.traces.size(); ++i) {
        const QColor colour = kTraceColours[i % kTraceColours.size()];
        entry(QString::fromStdString(plot.traceLabels[i]), [&](const QRectF& r) {
            painter.setPen(QPen(colour, 2));
            painter.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
        });
    }
    if (plot.band) {
        entry(
            QStringLiteral("fair tables, 5th to 95th percentile (%1 tables)").arg(plot.fairTables),
            [&](const QRectF& r) { painter.fillRect(r, kBandColour); });
    }
    entry(QStringLiteral("initial balance"), [&](const QRectF& r) {
        painter.setPen(QPen(Qt::gray, 1, Qt::DashLine));
        painter.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    });
}

void drawPlot(QPainter& painter, const BalancePlot& plot) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(0, 0, kWidth, kHeight), Qt::white);
    const PlotFrame frame(plot);
    if (plot.band) {
        drawBand(painter, frame, plot);
    }
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    drawCoupAxis(painter, frame);
    drawBalanceAxis(painter, frame);
    const double start = frame.y(static_cast<double>(plot.initialBalance));
    painter.setPen(QPen(Qt::gray, 1, Qt::DashLine));
    painter.drawLine(QPointF(frame.area().left(), start), QPointF(frame.area().right(), start));
    for (std::size_t i = 0; i < plot.traces.size(); ++i) {
        drawTrace(painter, frame, plot.traces[i], kTraceColours[i % kTraceColours.size()]);
    }
    painter.setPen(Qt::black);
    painter.drawRect(frame.area());
    drawLegend(painter, frame, plot);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 11, QFont::Bold));
    painter.drawText(QRectF(frame.area().left(), 12, frame.area().width(), 24), Qt::AlignLeft,
                     QString::fromStdString(plot.title));
}

QtMessageHandler previousMessageHandler = nullptr;

// The offscreen platform's start-up remarks (no runtime directory and the
// like) mean nothing to someone who asked for a plot; errors still pass.
void dropStartUpRemarks(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if ((type == QtCriticalMsg || type == QtFatalMsg) && previousMessageHandler != nullptr) {
        previousMessageHandler(type, context, text);
    }
}

// Text needs a QGuiApplication; a command-line tool makes one that needs no display.
std::unique_ptr<QGuiApplication> guiForPainting() {
    if (QGuiApplication::instance() != nullptr) {
        return nullptr;
    }
    static int argc = 3;
    static std::array<char, 16> name{"quintaro-replay"};
    static std::array<char, 10> option{"-platform"};
    static std::array<char, 10> platform{"offscreen"};
    static std::array<char*, 4> argv{name.data(), option.data(), platform.data(), nullptr};
    previousMessageHandler = qInstallMessageHandler(dropStartUpRemarks);
    auto gui = std::make_unique<QGuiApplication>(argc, argv.data());
    qInstallMessageHandler(previousMessageHandler);
    return gui;
}

}  // namespace

bool isPlotFileName(const std::string& path) {
    return endsWith(path, ".png") || endsWith(path, ".svg");
}

std::optional<std::string> saveBalancePlot(const BalancePlot& plot, const std::string& path) {
    const auto gui = guiForPainting();
    const QString fileName = QString::fromStdString(path);
    if (endsWith(path, ".svg")) {
        QSvgGenerator svg;
        svg.setFileName(fileName);
        svg.setSize(QSize(kWidth, kHeight));
        svg.setViewBox(QRect(0, 0, kWidth, kHeight));
        svg.setTitle(QString::fromStdString(plot.title));
        QPainter painter;
        if (!painter.begin(&svg)) {
            return "cannot write " + path;
        }
        drawPlot(painter, plot);
        painter.end();
        return std::nullopt;
    }
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&image);
        drawPlot(painter, plot);
    }
    if (!image.save(fileName, "PNG")) {
        return "cannot write " + path;
    }
    return std::nullopt;
}

}  // namespace quintaro::lab
