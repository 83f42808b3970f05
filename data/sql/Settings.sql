-- Settings.mdb: the employer settings row, delivered with the 2017 values.
-- Yes/No fields keep the old engine's convention: true is -1.
CREATE TABLE Setup (
  PensionCont       REAL NOT NULL DEFAULT 0,
  EmployerPenCont   REAL NOT NULL DEFAULT 0,
  EmployeeUIF       REAL NOT NULL DEFAULT 0,
  EmployerUIF       REAL NOT NULL DEFAULT 0,
  SkillLevy         REAL NOT NULL DEFAULT 0,
  ProvCont          REAL NOT NULL DEFAULT 0,
  EmployerProvCont  REAL NOT NULL DEFAULT 0,
  UIFLimit          REAL NOT NULL DEFAULT 0,
  TAIncRate8020     REAL NOT NULL DEFAULT 0,
  CompCarFBRate8020 REAL NOT NULL DEFAULT 0,
  CompCarMPYesNo    INTEGER NOT NULL DEFAULT 0
);
INSERT INTO Setup (PensionCont, EmployerPenCont, EmployeeUIF, EmployerUIF, SkillLevy, ProvCont,
                   EmployerProvCont, UIFLimit, TAIncRate8020, CompCarFBRate8020, CompCarMPYesNo)
VALUES (0, 0, 1, 1, 1, 0, 0, 14872, 0.8, 0.8, 0);
