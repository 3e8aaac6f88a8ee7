// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/artgen/icon_writer.h"

#include <QGradient>
#include <QPainter>

namespace vexlor::art {
namespace {

QByteArray Number(double value) {
  QByteArray text = QByteArray::number(value, 'f', 3);
  while (text.endsWith('0'))
    text.chop(1);
  if (text.endsWith('.')) text.chop(1);
  return text == "-0" ? "0" : text;
}

QByteArray Point(QPointF point) {
  return Number(point.x()) + ' ' + Number(point.y());
}

QByteArray PathData(const QPainterPath& path) {
  QByteArray data;
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    switch (e.type) {
      case QPainterPath::MoveToElement:
        data += "M" + Point(e);
        break;
      case QPainterPath::LineToElement:
        data += "L" + Point(e);
        break;
      case QPainterPath::CurveToElement:
        data += "C" + Point(e);
        break;
      case QPainterPath::CurveToDataElement:
        data += ' ' + Point(e);
        break;
    }
  }
  return data;
}

QByteArray Colour(const QColor& colour) {
  return colour.name(QColor::HexRgb).toLatin1();
}

QByteArray Stops(const QGradient& gradient) {
  QByteArray stops;
  for (const QGradientStop& stop : gradient.stops()) {
    stops +=
        "<stop offset=\"" + Number(stop.first) + "\" stop-color=\"" + Colour(stop.second) + "\"";
    if (stop.second.alpha() != 255)
      stops += " stop-opacity=\"" + Number(stop.second.alphaF()) + "\"";
    stops += "/>";
  }
  return stops;
}

// The definition of a gradient brush named `id`, or nothing for a colour.
QByteArray GradientDefinition(const QBrush& brush, const QByteArray& id) {
  if (brush.style() == Qt::LinearGradientPattern) {
    const auto* linear = static_cast<const QLinearGradient*>(brush.gradient());
    return "<linearGradient id=\"" + id + "\" gradientUnits=\"userSpaceOnUse\" x1=\"" +
           Number(linear->start().x()) + "\" y1=\"" + Number(linear->start().y()) + "\" x2=\"" +
           Number(linear->finalStop().x()) + "\" y2=\"" + Number(linear->finalStop().y()) + "\">" +
           Stops(*linear) + "</linearGradient>\n";
  }
  if (brush.style() == Qt::RadialGradientPattern) {
    const auto* radial = static_cast<const QRadialGradient*>(brush.gradient());
    return "<radialGradient id=\"" + id + "\" gradientUnits=\"userSpaceOnUse\" cx=\"" +
           Number(radial->center().x()) + "\" cy=\"" + Number(radial->center().y()) + "\" r=\"" +
           Number(radial->radius()) + "\" fx=\"" + Number(radial->focalPoint().x()) + "\" fy=\"" +
           Number(radial->focalPoint().y()) + "\">" + Stops(*radial) + "</radialGradient>\n";
  }
  return {};
}

QByteArray Fill(const QBrush& brush, const QByteArray& id) {
  if (brush.style() == Qt::LinearGradientPattern || brush.style() == Qt::RadialGradientPattern)
    return "fill=\"url(#" + id + ")\"";
  QByteArray fill = "fill=\"" + Colour(brush.color()) + "\"";
  if (brush.color().alpha() != 255)
    fill += " fill-opacity=\"" + Number(brush.color().alphaF()) + "\"";
  return fill;
}

}  // namespace

QImage RenderIcon(const std::vector<IconLayer>& layers, int side) {
  QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(double(side) / kIconField, double(side) / kIconField);
  for (const IconLayer& layer : layers)
    p.fillPath(layer.path, layer.brush);
  p.end();
  return image.convertToFormat(QImage::Format_ARGB32);
}

QByteArray IconSvg(const std::vector<IconLayer>& layers) {
  const QByteArray field = QByteArray::number(kIconField);
  QByteArray definitions;
  QByteArray shapes;
  for (std::size_t i = 0; i < layers.size(); ++i) {
    const QByteArray id = "g" + QByteArray::number(static_cast<qulonglong>(i));
    const IconLayer& layer = layers[i];
    definitions += GradientDefinition(layer.brush, id);
    const char* rule = layer.path.fillRule() == Qt::OddEvenFill ? "evenodd" : "nonzero";
    shapes += "<path " + Fill(layer.brush, id) + " fill-rule=\"" + rule + "\" d=\"" +
              PathData(layer.path) + "\"/>\n";
  }
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
         field + "\" height=\"" + field + "\" viewBox=\"0 0 " + field + ' ' + field + "\">\n" +
         "<defs>\n" + definitions + "</defs>\n" + shapes + "</svg>\n";
}

}  // namespace vexlor::art
