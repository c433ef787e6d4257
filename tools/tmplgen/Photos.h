// The photos of the shipped templates, made by the generator itself from gradients, shapes and
// noise: a mountain lake at sunset, a seaside morning and a cup of coffee on a wooden table.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

namespace tavolo::tmplgen {

QStringList SceneNames();

// The scene at `size`; a null image for an unknown name. The same name and size always give the
// same picture.
QImage DrawScene(const QString& name, QSize size);

}  // namespace tavolo::tmplgen
