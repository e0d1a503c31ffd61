#pragma once

#include "frame_model.h"

namespace qxsim {

// What every module of the family answers while a program identifies it:
// FE (identification, answered with FD) and the reads F8, F9, EC, D6, D1.
class HandshakeModel : public FrameModel
{
public:
    explicit HandshakeModel(int moduleType);

    int workingMode() const { return m_workingMode; }
    void setWorkingMode(int mode) { m_workingMode = mode; }

protected:
    int m_helloByte = 0x01;      // byte 10 of the FD answer
    int m_workingMode = 0x80;    // byte 11 of the FD answer: 0x80 data communication
    int m_f8 = 0x00;
    int m_f9 = 0x01;
    QByteArray m_ec = QByteArrayLiteral("13800000000");
    int m_d6 = 0x00;
    int m_d1;                    // module type; -1: the module does not answer D1
};

} // namespace qxsim
