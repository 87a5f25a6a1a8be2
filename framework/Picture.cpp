#include "Picture.h"

#include <QImage>

Picture::Picture(const QImage& image) : image_(std::make_unique<QImage>(image)) {}

Picture::~Picture() = default;

int Picture::Width() const
{
    return image_->width();
}

int Picture::Height() const
{
    return image_->height();
}

const QImage& Picture::Image() const
{
    return *image_;
}
