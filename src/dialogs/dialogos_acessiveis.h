#pragma once

class QWidget;
class Tobj_Form_Aviso_MODAL;
class Tobj_Form_MODAL_Sair;

// What assistive technology is told about the two dialogs: the notice is an
// alert whose text is announced when it opens; the exit confirmation is a
// dialog whose question, drawn in its picture, is also its description.
namespace dialogos_acessiveis {

void prepararAviso(Tobj_Form_Aviso_MODAL *aviso);
// Raised when the notice comes up, with its text in place.
void anunciarAviso(Tobj_Form_Aviso_MODAL *aviso);

void prepararSair(Tobj_Form_MODAL_Sair *sair);

} // namespace dialogos_acessiveis
