-- The lookup lists a new office starts with (Tb_SYS_Param, edited in the list windows). BH
-- numbers each list's values in the order the windows show them. A list the office already
-- keeps is left as it is.

INSERT INTO Tb_SYS_Param (BH, CSMC, CSZ)
  SELECT column1, '楼型', column2 FROM (VALUES
    (1, '商品房'),
    (2, '经济适用房'),
    (3, '房改房'),
    (4, '公寓'),
    (5, '别墅'),
    (6, '商铺'),
    (7, '写字楼'),
    (8, '其它')) AS v
  WHERE NOT EXISTS (SELECT 1 FROM Tb_SYS_Param WHERE CSMC = '楼型');

INSERT INTO Tb_SYS_Param (BH, CSMC, CSZ)
  SELECT column1, '房型', column2 FROM (VALUES
    (1, '住宅'),
    (2, '门面'),
    (3, '写字间'),
    (4, '车库'),
    (5, '地下室'),
    (6, '其它')) AS v
  WHERE NOT EXISTS (SELECT 1 FROM Tb_SYS_Param WHERE CSMC = '房型');

INSERT INTO Tb_SYS_Param (BH, CSMC, CSZ)
  SELECT column1, '房态', column2 FROM (VALUES
    (1, '空房'),
    (2, '入住'),
    (3, '租赁'),
    (4, '预留')) AS v
  WHERE NOT EXISTS (SELECT 1 FROM Tb_SYS_Param WHERE CSMC = '房态');

INSERT INTO Tb_SYS_Param (BH, CSMC, CSZ)
  SELECT column1, '户型', column2 FROM (VALUES
    (1, '一室一厅'),
    (2, '两室一厅'),
    (3, '两室两厅'),
    (4, '三室一厅'),
    (5, '三室两厅'),
    (6, '四室两厅'),
    (7, '复式'),
    (8, '其它')) AS v
  WHERE NOT EXISTS (SELECT 1 FROM Tb_SYS_Param WHERE CSMC = '户型');

INSERT INTO Tb_SYS_Param (BH, CSMC, CSZ)
  SELECT column1, '费项', column2 FROM (VALUES
    (1, '物业管理费'),
    (2, '水费'),
    (3, '电费'),
    (4, '燃气费'),
    (5, '公摊水费'),
    (6, '公摊电费'),
    (7, '电梯费'),
    (8, '停车费'),
    (9, '垃圾清运费'),
    (10, '租金'),
    (11, '押金'),
    (12, '维修费'),
    (13, '其它费用')) AS v
  WHERE NOT EXISTS (SELECT 1 FROM Tb_SYS_Param WHERE CSMC = '费项');

INSERT INTO Tb_SYS_Param (BH, CSMC, CSZ)
  SELECT column1, '预收类别', column2 FROM (VALUES
    (1, '预收物业费'),
    (2, '预收水电费'),
    (3, '预收停车费'),
    (4, '其它预收')) AS v
  WHERE NOT EXISTS (SELECT 1 FROM Tb_SYS_Param WHERE CSMC = '预收类别');

INSERT INTO Tb_SYS_Param (BH, CSMC, CSZ)
  SELECT column1, '退款类别', column2 FROM (VALUES
    (1, '押金退还'),
    (2, '多收退款'),
    (3, '预收款退还'),
    (4, '其它退款')) AS v
  WHERE NOT EXISTS (SELECT 1 FROM Tb_SYS_Param WHERE CSMC = '退款类别');

INSERT INTO Tb_SYS_Param (BH, CSMC, CSZ)
  SELECT column1, '减免类别', column2 FROM (VALUES
    (1, '困难户减免'),
    (2, '空置房减免'),
    (3, '优惠减免'),
    (4, '其它减免')) AS v
  WHERE NOT EXISTS (SELECT 1 FROM Tb_SYS_Param WHERE CSMC = '减免类别');

INSERT INTO Tb_SYS_Param (BH, CSMC, CSZ)
  SELECT column1, '设备类型', column2 FROM (VALUES
    (1, '供电设备'),
    (2, '给排水设备'),
    (3, '电梯'),
    (4, '消防设备'),
    (5, '监控设备'),
    (6, '空调设备'),
    (7, '其它设备')) AS v
  WHERE NOT EXISTS (SELECT 1 FROM Tb_SYS_Param WHERE CSMC = '设备类型');

INSERT INTO Tb_SYS_Param (BH, CSMC, CSZ)
  SELECT column1, '维修类型', column2 FROM (VALUES
    (1, '水电维修'),
    (2, '门窗维修'),
    (3, '管道疏通'),
    (4, '墙面维修'),
    (5, '电器维修'),
    (6, '其它维修')) AS v
  WHERE NOT EXISTS (SELECT 1 FROM Tb_SYS_Param WHERE CSMC = '维修类型');

INSERT INTO Tb_SYS_Param (BH, CSMC, CSZ)
  SELECT column1, '维修工', column2 FROM (VALUES
    (1, '维修一组'),
    (2, '维修二组')) AS v
  WHERE NOT EXISTS (SELECT 1 FROM Tb_SYS_Param WHERE CSMC = '维修工');

INSERT INTO Tb_SYS_Param (BH, CSMC, CSZ)
  SELECT column1, '收费项目', column2 FROM (VALUES
    (1, '上门服务费'),
    (2, '材料费'),
    (3, '人工费'),
    (4, '其它')) AS v
  WHERE NOT EXISTS (SELECT 1 FROM Tb_SYS_Param WHERE CSMC = '收费项目');

INSERT INTO Tb_SYS_Param (BH, CSMC, CSZ)
  SELECT column1, '租赁对象', column2 FROM (VALUES
    (1, '个人'),
    (2, '企业'),
    (3, '个体工商户')) AS v
  WHERE NOT EXISTS (SELECT 1 FROM Tb_SYS_Param WHERE CSMC = '租赁对象');

INSERT INTO Tb_SYS_Param (BH, CSMC, CSZ)
  SELECT column1, '地段等级', column2 FROM (VALUES
    (1, '一类地段'),
    (2, '二类地段'),
    (3, '三类地段')) AS v
  WHERE NOT EXISTS (SELECT 1 FROM Tb_SYS_Param WHERE CSMC = '地段等级');

INSERT INTO Tb_SYS_Param (BH, CSMC, CSZ)
  SELECT column1, '房源结构', column2 FROM (VALUES
    (1, '砖混'),
    (2, '框架'),
    (3, '钢混'),
    (4, '其它')) AS v
  WHERE NOT EXISTS (SELECT 1 FROM Tb_SYS_Param WHERE CSMC = '房源结构');

INSERT INTO Tb_SYS_Param (BH, CSMC, CSZ)
  SELECT column1, '收款类型', column2 FROM (VALUES
    (1, '现金'),
    (2, '转账'),
    (3, '支票')) AS v
  WHERE NOT EXISTS (SELECT 1 FROM Tb_SYS_Param WHERE CSMC = '收款类型');

INSERT INTO Tb_SYS_Param (BH, CSMC, CSZ)
  SELECT column1, '仓库', column2 FROM (VALUES
    (1, '总仓库')) AS v
  WHERE NOT EXISTS (SELECT 1 FROM Tb_SYS_Param WHERE CSMC = '仓库');

INSERT INTO Tb_SYS_Param (BH, CSMC, CSZ)
  SELECT column1, '物品类别', column2 FROM (VALUES
    (1, '水电材料'),
    (2, '五金工具'),
    (3, '清洁用品'),
    (4, '办公用品'),
    (5, '其它')) AS v
  WHERE NOT EXISTS (SELECT 1 FROM Tb_SYS_Param WHERE CSMC = '物品类别');

INSERT INTO Tb_SYS_Param (BH, CSMC, CSZ)
  SELECT column1, '入库类别', column2 FROM (VALUES
    (1, '采购入库'),
    (2, '退料入库'),
    (3, '其它入库')) AS v
  WHERE NOT EXISTS (SELECT 1 FROM Tb_SYS_Param WHERE CSMC = '入库类别');

INSERT INTO Tb_SYS_Param (BH, CSMC, CSZ)
  SELECT column1, '出库类别', column2 FROM (VALUES
    (1, '领用出库'),
    (2, '维修出库'),
    (3, '其它出库')) AS v
  WHERE NOT EXISTS (SELECT 1 FROM Tb_SYS_Param WHERE CSMC = '出库类别');

INSERT INTO Tb_SYS_Param (BH, CSMC, CSZ)
  SELECT column1, '车场', column2 FROM (VALUES
    (1, '地面停车场'),
    (2, '地下停车场')) AS v
  WHERE NOT EXISTS (SELECT 1 FROM Tb_SYS_Param WHERE CSMC = '车场');

INSERT INTO Tb_SYS_Param (BH, CSMC, CSZ)
  SELECT column1, '车位类别', column2 FROM (VALUES
    (1, '固定车位'),
    (2, '临时车位')) AS v
  WHERE NOT EXISTS (SELECT 1 FROM Tb_SYS_Param WHERE CSMC = '车位类别');

INSERT INTO Tb_SYS_Param (BH, CSMC, CSZ)
  SELECT column1, '收款类别', column2 FROM (VALUES
    (1, '月租'),
    (2, '临时停车'),
    (3, '车位出租')) AS v
  WHERE NOT EXISTS (SELECT 1 FROM Tb_SYS_Param WHERE CSMC = '收款类别');

INSERT INTO Tb_SYS_Param (BH, CSMC, CSZ)
  SELECT column1, '单位', column2 FROM (VALUES
    (1, '本物业公司')) AS v
  WHERE NOT EXISTS (SELECT 1 FROM Tb_SYS_Param WHERE CSMC = '单位');

INSERT INTO Tb_SYS_Param (BH, CSMC, CSZ)
  SELECT column1, '部门', column2 FROM (VALUES
    (1, '办公室'),
    (2, '财务部'),
    (3, '客服部'),
    (4, '工程部'),
    (5, '保安部')) AS v
  WHERE NOT EXISTS (SELECT 1 FROM Tb_SYS_Param WHERE CSMC = '部门');

INSERT INTO Tb_SYS_Param (BH, CSMC, CSZ)
  SELECT column1, '辖区', column2 FROM (VALUES
    (1, '本辖区')) AS v
  WHERE NOT EXISTS (SELECT 1 FROM Tb_SYS_Param WHERE CSMC = '辖区');

INSERT INTO Tb_SYS_Param (BH, CSMC, CSZ)
  SELECT column1, '岗位', column2 FROM (VALUES
    (1, '经理'),
    (2, '收费员'),
    (3, '房管员'),
    (4, '维修工'),
    (5, '保安员')) AS v
  WHERE NOT EXISTS (SELECT 1 FROM Tb_SYS_Param WHERE CSMC = '岗位');
