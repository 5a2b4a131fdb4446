-- The application core: schema version, operators and rights, the report list, the logs and
-- the settings. Types are written so that SQLite and PostgreSQL read them alike.

CREATE TABLE Tb_SYS_Version (
  Version INTEGER NOT NULL
);

CREATE TABLE Tb_SYS_GLY (
  BH INTEGER PRIMARY KEY,
  YHBH VARCHAR(9),
  YHXM VARCHAR(50),
  YHMM VARCHAR(50),
  YHJS VARCHAR(50),
  SZDW VARCHAR(100),
  SZBM VARCHAR(50)
);
CREATE INDEX Ix_GLY_YHBH ON Tb_SYS_GLY (YHBH);

CREATE TABLE Tb_SYS_GLY_Trant (
  GH VARCHAR(9),
  Mod VARCHAR(100),
  AREAID INTEGER
);
CREATE INDEX Ix_GLY_Trant_GH ON Tb_SYS_GLY_Trant (GH, Mod);

CREATE TABLE Tb_SYS_MODUL_SUB (
  ID INTEGER,
  FLAG INTEGER,
  Visual INTEGER,
  SUB_SYSTEM VARCHAR(50),
  ICON INTEGER,
  EVENT VARCHAR(200)
);

CREATE TABLE Tb_SYS_BB (
  BH VARCHAR(20) PRIMARY KEY,
  XH INTEGER,
  LB VARCHAR(20),
  BT VARCHAR(100),
  NR VARCHAR(400),
  CZR VARCHAR(50),
  CZRQ VARCHAR(10),
  Share VARCHAR(2),
  Flag INTEGER,
  Str_Mod VARCHAR(50),
  Str_Table VARCHAR(50),
  Int_StrCOL INTEGER,
  Int_SumCOL INTEGER,
  Int_TSCOL INTEGER,
  SQL_Select TEXT,
  SQL_Group TEXT,
  SQL_Order TEXT,
  Str_Where TEXT,
  Int_AddCount INTEGER,
  Int_ShowStyle INTEGER
);

CREATE TABLE Tb_SYS_BBArray (
  BH VARCHAR(20),
  Str_ZDM VARCHAR(400),
  Str_ZDMC VARCHAR(100),
  Str_TSTJ VARCHAR(400),
  Int_NumFlag INTEGER
);
CREATE INDEX Ix_BBArray_BH ON Tb_SYS_BBArray (BH);

CREATE TABLE Tb_SYS_LOG (
  RZMS TEXT,
  CZR VARCHAR(50),
  RQ VARCHAR(10),
  RZBZ1 INTEGER
);

CREATE TABLE Tb_SYS_SFLOG (
  SFFX VARCHAR(50),
  BZMC VARCHAR(100),
  JZMJ NUMERIC(18,4),
  ZHS INTEGER,
  FYJE NUMERIC(18,4),
  FTJE NUMERIC(18,4),
  FYZE NUMERIC(18,4)
);

CREATE TABLE Tb_SYS_Param (
  BH INTEGER,
  CSMC VARCHAR(50),
  CSZ VARCHAR(200),
  BJ INTEGER
);
CREATE INDEX Ix_Param_CSMC ON Tb_SYS_Param (CSMC);

-- The administrator: number SYSTEM, empty password.
INSERT INTO Tb_SYS_GLY (BH, YHBH, YHXM, YHMM, YHJS, SZDW, SZBM)
  VALUES (3, 'SYSTEM', '系统管理员', '', '', '', '');

-- Built-in entries of the report list (Flag 0: BH is the entry number).
INSERT INTO Tb_SYS_BB (BH, XH, LB, BT, NR, CZR, CZRQ, Share, Flag, Str_Mod, Str_Table) VALUES
  ('1001', 1, '住户', '小区房源信息', '按小区、楼栋、单元、楼层列出房源', '系统管理员', '2026-01-01', '是', 0, '住户', 'Uvw_FYXX'),
  ('1002', 2, '住户', '房源业主资料', '房源及其业主、租户资料', '系统管理员', '2026-01-01', '是', 0, '住户', 'Uvw_FY_KH'),
  ('1003', 3, '住户', '住户查询向导', '从数据字典中自选项目组成查询', '系统管理员', '2026-01-01', '是', 0, '住户', 'Uvw_FY_KH'),
  ('999', 9, '住户', '系统监控记录', '登陆纪录、面积差异、变更读数与手工修改费用(仅管理员)', '系统管理员', '2026-01-01', '是', 0, '日志', ''),
  ('2001', 1, '抄表', '抄表任务监控', '打开抄表任务,监控各类费表的抄表进度', '系统管理员', '2026-01-01', '是', 0, '抄表', 'Uvw_2_CBJL'),
  ('3001', 1, '收费', '房管员收费进度', '各房管员所管房源的收费完成情况', '系统管理员', '2026-01-01', '是', 0, '收费', 'Uvw_2_ZKJL'),
  ('3002', 2, '收费', '各小区/楼栋收费进度', '按小区、楼栋统计收费完成情况', '系统管理员', '2026-01-01', '是', 0, '收费', 'Uvw_2_ZKJL'),
  ('3003', 3, '收费', '收费分类统计', '对收费进行分类统计', '系统管理员', '2026-01-01', '是', 0, '收费', 'Uvw_2_CNJL'),
  ('3004', 4, '收费', '收费统计', '按统计范围汇总实收费用', '系统管理员', '2026-01-01', '是', 0, '收费', 'Uvw_2_CNJL'),
  ('3005', 5, '收费', '收费跟踪', '跟踪各项费用的收缴情况', '系统管理员', '2026-01-01', '是', 0, '收费', 'Uvw_2_ZKJL'),
  ('3006', 6, '收费', '查询欠费业主', '有欠费的业主及其欠费金额', '系统管理员', '2026-01-01', '是', 0, '收费', 'Uvw_2_ZKJL'),
  ('3007', 7, '收费', '每户台帐', '指定房号或业主的应收与实收台帐', '系统管理员', '2026-01-01', '是', 0, '收费', 'Uvw_2_ZKJL'),
  ('3008', 8, '收费', '财务台帐', '指定日期范围的财务台帐', '系统管理员', '2026-01-01', '是', 0, '收费', 'Uvw_2_CNJL'),
  ('3009', 9, '收费', '查询预收款', '预收款登记与余额', '系统管理员', '2026-01-01', '是', 0, '收费', 'Uvw_2_YSK'),
  ('3010', 10, '收费', '查询冲抵款', '预收款冲抵明细', '系统管理员', '2026-01-01', '是', 0, '收费', 'Uvw_2_YSKCD'),
  ('3011', 11, '收费', '小区各户欠费数据表', '各户各费项的欠费', '系统管理员', '2026-01-01', '是', 0, '收费', 'Uvw_2_ZKJL'),
  ('3012', 12, '收费', '查询业主应收费用', '业主的应收费用(含水电读数)', '系统管理员', '2026-01-01', '是', 0, '收费', 'Uvw_2_ZKJL'),
  ('3013', 13, '收费', '收费查询向导', '从数据字典中自选项目组成收费查询', '系统管理员', '2026-01-01', '是', 0, '收费', 'Uvw_2_ZKJL'),
  ('6001', 14, '收费', '年度收费统计', '指定年度各费项逐月的实收统计', '系统管理员', '2026-01-01', '是', 0, '收费', 'Uvw_2_CNJL'),
  ('6002', 15, '收费', '(业主)收费明细查询表', '各户各类费用的实收明细', '系统管理员', '2026-01-01', '是', 0, '收费', 'Uvw_2_CNJL'),
  ('6003', 16, '收费', '业主明细表', '各户各类费用的应收、实收与欠费', '系统管理员', '2026-01-01', '是', 0, '收费', 'Uvw_2_ZKJL'),
  ('4001', 1, '租赁', '租金查询', '按承租人、小区查询应缴租金', '系统管理员', '2026-01-01', '是', 0, '租赁', 'Uvw_2_ZLHTFY'),
  ('4002', 2, '租赁', '租金查询和统计', '与缴租相关的查询和统计', '系统管理员', '2026-01-01', '是', 0, '租赁', 'Uvw_2_ZLSK'),
  ('4003', 3, '租赁', '租赁合同查询', '按承租人、小区、日期查询租赁合同', '系统管理员', '2026-01-01', '是', 0, '租赁', 'Uvw_2_ZLHT'),
  ('4004', 4, '租赁', '租赁收款查询', '查询租赁收款', '系统管理员', '2026-01-01', '是', 0, '租赁', 'Uvw_2_ZLSK'),
  ('4005', 5, '租赁', '租赁查询向导', '从数据字典中自选项目组成租赁查询', '系统管理员', '2026-01-01', '是', 0, '租赁', 'Uvw_2_ZLSK');

-- The auxiliary list window: EVENT names the window an entry opens, with its inputs.
INSERT INTO Tb_SYS_MODUL_SUB (ID, FLAG, Visual, SUB_SYSTEM, ICON, EVENT) VALUES
  (1, 803, 1, '钥匙管理', 0, 'TFrm_6_KEY'),
  (2, 803, 1, '投诉记录', 1, 'TFrm_6_TouSu'),
  (3, 804, 1, '保安资料', 2, 'TFrm_JCXX;Selector=101'),
  (4, 804, 1, '值班班次', 3, 'TFrm_JCXX;Selector=103'),
  (5, 804, 1, '值班纪录', 4, 'TFrm_JCXX;Selector=102'),
  (6, 804, 1, '班次调整', 5, 'TFrm_7_TZBC'),
  (7, 806, 1, '设备登记', 6, 'TFrm_10_SBDJ'),
  (8, 806, 1, '设备维修', 7, 'TFrm_10_SBWX'),
  (9, 809, 1, '车位登记', 8, 'TFrm_10_CWDJ');

-- System settings (BJ 9), edited in the settings window.
INSERT INTO Tb_SYS_Param (BH, CSMC, CSZ, BJ) VALUES
  (1, '网站首页', 'https://www.morvek.com/', 9),
  (2, '在线支持', 'https://www.morvek.com/support', 9),
  (3, '意见反馈', 'https://www.morvek.com/feedback', 9),
  (4, '演示下载', 'https://www.morvek.com/download', 9),
  (5, '物业管理条例', 'https://www.morvek.com/regulations', 9),
  (6, '收据抬头', '物业服务收费收据', 9);
