#pragma once

#include <QList>
#include <QPair>
#include <QtQuick/QSGNode>
#include <QtQuick/private/qsgabstractrenderer_p.h>

#include <cstring>
#include <span>

namespace QuiltTest
{
// A renderer that draws nothing and records which nodes were marked dirty,
// so that tests see what a node update tells the scene graph.
class RecordingRenderer : public QSGAbstractRenderer
{
public:
    RecordingRenderer() { setRootNode(&root); }
    ~RecordingRenderer() override { setRootNode(nullptr); }

    void renderScene() override { }

    QSGRootNode root;
    QList<QPair<QSGNode*, QSGNode::DirtyState>> changes;

protected:
    void nodeChanged(QSGNode* node, QSGNode::DirtyState state) override { changes.append({ node, state }); }
};

inline float floatAt(std::span<const char> data, std::size_t offset)
{
    float value = 0.0f;
    if (offset + sizeof(float) <= data.size()) {
        std::memcpy(&value, data.data() + offset, sizeof(value));
    }
    return value;
}

inline quint32 wordAt(std::span<const char> data, std::size_t offset)
{
    quint32 value = 0;
    if (offset + sizeof(value) <= data.size()) {
        std::memcpy(&value, data.data() + offset, sizeof(value));
    }
    return value;
}
} // namespace QuiltTest
