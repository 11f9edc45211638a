#include "shapes/SkinEnvelopeGuard.h"

#include <maya/MFnSkinCluster.h>
#include <maya/MPlug.h>

SkinEnvelopeGuard::~SkinEnvelopeGuard() {
    try {
        restore();
    } catch (...) {
        // Nothing more can be done while the export is already failing.
    }
}

void SkinEnvelopeGuard::lower(const MFnSkinCluster& skinCluster) {
    cluster_ = skinCluster.object();
    MPlug envelope = skinCluster.findPlug("en");
    envelope.getValue(saved_, MDGContext::fsNormal);
    envelope.setValue(0.0f);
    lowered_ = true;
}

void SkinEnvelopeGuard::restore() {
    if (!lowered_) {
        return;
    }
    lowered_ = false;
    MFnSkinCluster skinCluster(cluster_);
    skinCluster.findPlug("en").setValue(saved_);
}
