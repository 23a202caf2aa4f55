// The diagram's lines, rectangles and pictures: named items drawn behind the controls.
#pragma once

#include <QColor>
#include <QHash>
#include <QLineF>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

class QSvgRenderer;

namespace vevi {

class DiagramCanvas : public QWidget {
    Q_OBJECT
public:
    explicit DiagramCanvas(QWidget* parent);
    ~DiagramCanvas() override;

    // Items are named for tests and tools; the window keeps the ids these return.
    using ItemId = std::size_t;

    // Geometry in twips, as the layout gives it.
    ItemId AddLine(const QString& name, double x1, double y1, double x2, double y2,
                   bool visible = true);
    ItemId AddRect(const QString& name, double left, double top, double width, double height,
                   QColor fill = QColor(), bool visible = true);
    ItemId AddEllipse(const QString& name, double left, double top, double width, double height,
                      QColor fill = QColor(), bool visible = true);
    ItemId AddPicture(const QString& name, const QString& resource, double left, double top,
                      double width, double height, bool visible = true);

    // Each repaints only the item's own area.
    void SetVisible(ItemId id, bool visible);
    void SetGeometry(ItemId id, const QRectF& twips);
    QRectF Geometry(ItemId id) const;  // twips

    // Looked up by name, for tests and tools.
    bool Has(const QString& name) const { return index_.contains(name); }
    bool IsVisible(const QString& name) const;
    QRectF Geometry(const QString& name) const;  // twips
    QLineF Line(const QString& name) const;      // twips
    QStringList Names() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    enum class Kind { Line, Rect, Ellipse, Picture };
    struct Item {
        QString name;
        Kind kind;
        QRectF twips;  // for a line: from the top-left corner (x1, y1) to (x2, y2)
        QColor fill;
        bool visible;
        QString picture{};  // the resource of a picture, loaded when it is first drawn
    };
    ItemId Add(Item item);
    const Item& At(const QString& name) const;
    QRect PixelBounds(const Item& item) const;
    QSvgRenderer* Renderer(const QString& resource);

    std::vector<Item> items_;
    QHash<QString, size_t> index_;
    QHash<QString, QSvgRenderer*> renderers_;
};

}  // namespace vevi
