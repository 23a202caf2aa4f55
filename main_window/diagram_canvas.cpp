#include "diagram_canvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <stdexcept>
#include <utility>

#include "twips.h"

namespace vevi {

DiagramCanvas::DiagramCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName("diagram");
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

DiagramCanvas::~DiagramCanvas() = default;

DiagramCanvas::ItemId DiagramCanvas::Add(Item item) {
    const ItemId id = items_.size();
    index_.insert(item.name, id);
    items_.push_back(std::move(item));
    return id;
}

DiagramCanvas::ItemId DiagramCanvas::AddLine(const QString& name, double x1, double y1, double x2,
                                             double y2, bool visible) {
    return Add({name, Kind::Line, QRectF(QPointF(x1, y1), QPointF(x2, y2)), QColor(), visible});
}

DiagramCanvas::ItemId DiagramCanvas::AddRect(const QString& name, double left, double top,
                                             double width, double height, QColor fill,
                                             bool visible) {
    return Add({name, Kind::Rect, QRectF(left, top, width, height), fill, visible});
}

DiagramCanvas::ItemId DiagramCanvas::AddEllipse(const QString& name, double left, double top,
                                                double width, double height, QColor fill,
                                                bool visible) {
    return Add({name, Kind::Ellipse, QRectF(left, top, width, height), fill, visible});
}

DiagramCanvas::ItemId DiagramCanvas::AddPicture(const QString& name, const QString& resource,
                                                double left, double top, double width,
                                                double height, bool visible) {
    return Add(
        {name, Kind::Picture, QRectF(left, top, width, height), QColor(), visible, resource});
}

// One renderer a picture, shared by the items that show it; the flames are not drawn until a
// comparison starts, so the start-up does not pay for them.
QSvgRenderer* DiagramCanvas::Renderer(const QString& resource) {
    QSvgRenderer*& renderer = renderers_[resource];
    if (!renderer) renderer = new QSvgRenderer(resource, this);
    return renderer;
}

const DiagramCanvas::Item& DiagramCanvas::At(const QString& name) const {
    // A wrong name is a programming error; fail loudly rather than draw the wrong thing.
    const auto it = index_.constFind(name);
    if (it == index_.constEnd()) throw std::out_of_range(name.toStdString());
    return items_[*it];
}

bool DiagramCanvas::IsVisible(const QString& name) const {
    return At(name).visible;
}

QRect DiagramCanvas::PixelBounds(const Item& item) const {
    const QRectF r = item.twips.normalized();
    // One pixel of margin takes in the pen and anti-aliasing.
    return QRectF(PxF(r.left()), PxF(r.top()), PxF(r.width()), PxF(r.height()))
        .toAlignedRect()
        .adjusted(-2, -2, 2, 2);
}

void DiagramCanvas::SetVisible(ItemId id, bool visible) {
    Item& item = items_.at(id);
    if (item.visible == visible) return;
    item.visible = visible;
    update(PixelBounds(item));
}

QRectF DiagramCanvas::Geometry(const QString& name) const {
    return At(name).twips;
}

QRectF DiagramCanvas::Geometry(ItemId id) const {
    return items_.at(id).twips;
}

void DiagramCanvas::SetGeometry(ItemId id, const QRectF& twips) {
    Item& item = items_.at(id);
    const QRect before = PixelBounds(item);
    item.twips = twips;
    update(before.united(PixelBounds(item)));
}

QLineF DiagramCanvas::Line(const QString& name) const {
    const QRectF& r = At(name).twips;
    return QLineF(r.topLeft(), r.bottomRight());
}

QStringList DiagramCanvas::Names() const {
    QStringList names;
    for (const Item& item : items_) names << item.name;
    return names;
}

void DiagramCanvas::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor ink = palette().color(QPalette::WindowText);
    for (const Item& item : items_) {
        if (!item.visible) continue;
        const QRect bounds = PixelBounds(item);
        if (!event->region().intersects(bounds)) continue;
        const QRectF r(PxF(item.twips.left()), PxF(item.twips.top()), PxF(item.twips.width()),
                       PxF(item.twips.height()));
        switch (item.kind) {
            case Kind::Line:
                p.setPen(QPen(ink, 1));
                p.drawLine(QLineF(r.topLeft(), r.bottomRight()));
                break;
            case Kind::Rect:
                if (item.fill.isValid()) {
                    p.fillRect(r, item.fill);
                } else {
                    p.setPen(QPen(ink, 1));
                    p.setBrush(Qt::NoBrush);
                    p.drawRect(r);
                }
                break;
            case Kind::Ellipse:
                p.setRenderHint(QPainter::Antialiasing, true);
                p.setPen(QPen(ink, 1));
                p.setBrush(item.fill.isValid() ? QBrush(item.fill) : QBrush(Qt::NoBrush));
                p.drawEllipse(r);
                p.setRenderHint(QPainter::Antialiasing, false);
                break;
            case Kind::Picture:
                if (QSvgRenderer* picture = Renderer(item.picture); picture->isValid())
                    picture->render(&p, r);
                break;
        }
    }
}

}  // namespace vevi
